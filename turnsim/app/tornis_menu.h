// The menu and the tool bar of the main window: one action per menu item, named after it, and
// the tool buttons ToolButton1 ... ToolButton13 that run those actions.
#pragma once

#include <QAction>
#include <QList>
#include <QToolBar>
#include <QToolButton>

class QMainWindow;

namespace turnsim {

class TornisMenu {
public:
  // Builds the menu bar and ToolBar1 of `window`; the actions start enabled or disabled as the
  // program starts.
  explicit TornisMenu(QMainWindow* window);

  // File
  QAction* OpenMODTfile1;
  QAction* ExportinDXFformat1;
  QAction* Exit1;
  // Edit
  QAction* ZoomIn1;
  QAction* ZoomOut1;
  // Make
  QAction* N3DViewAllfeatures1;
  QAction* N3DVewPartOnly1;
  QAction* RunStopanimation1;
  QAction* Stepanimation1;
  // Options
  QAction* Setaprocsimvalue1;
  QAction* Viewprofilelist1;
  QAction* ViewtoolsDATABASE1;
  QAction* Changecolors1;
  // About
  QAction* AboutProgram1;

  QToolBar* ToolBar1;
  // Tool buttons, left to right.
  QToolButton* ButtonOpen;
  QToolButton* ButtonExportDxf;
  QToolButton* ButtonRunStop; // check style: down while the animation runs
  QToolButton* ButtonStep;
  QToolButton* ButtonZoomIn;
  QToolButton* ButtonZoomOut;
  QToolButton* ButtonSettings;
  QToolButton* ButtonDatabase;
  QToolButton* ButtonProfileList;
  QToolButton* Button3D;
  QToolButton* ButtonColors;
  QToolButton* ButtonAbout;
  QToolButton* ButtonExit;

  // Enables what a model makes usable: the menu items and tool buttons of the simulation.
  void EnableSimulationCommands();
};

} // namespace turnsim
