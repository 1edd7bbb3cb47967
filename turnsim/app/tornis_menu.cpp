// Building the main window's menus and tool bar.
#include "turnsim/app/tornis_menu.h"

#include <QMainWindow>
#include <QMenuBar>

#include "turnsim/app/tool_icons.h"

namespace turnsim {

namespace {

// A menu item; also added to the window so that its shortcut works wherever the focus is.
QAction* Item(QMainWindow* window, QMenu* menu, const char* name, const char* caption, bool enabled,
              const QKeySequence& shortcut = {}) {
  auto* action = new QAction(QString::fromLatin1(caption), window);
  action->setObjectName(QString::fromLatin1(name));
  action->setEnabled(enabled);
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
  }
  menu->addAction(action);
  window->addAction(action);
  return action;
}

QMenu* Menu(QMenuBar* bar, const char* name, const char* caption) {
  QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

} // namespace

TornisMenu::TornisMenu(QMainWindow* window) {
  QMenuBar* bar = window->menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* file = Menu(bar, "File1", "&File");
  OpenMODTfile1 = Item(window, file, "OpenMODTfile1", "Open MODT file", true,
                       QKeySequence(Qt::CTRL | Qt::Key_O));
  ExportinDXFformat1 = Item(window, file, "ExportinDXFformat1", "Export in DXF format", false);
  file->addSeparator();
  Exit1 = Item(window, file, "Exit1", "Exit", true);

  QMenu* edit = Menu(bar, "Edit1", "&Edit");
  ZoomIn1 = Item(window, edit, "ZoomIn1", "Zoom In", false);
  ZoomOut1 = Item(window, edit, "ZoomOut1", "Zoom Out", false);

  QMenu* make = Menu(bar, "Make1", "&Make");
  N3DViewAllfeatures1 = Item(window, make, "N3DViewAllfeatures1", "3D View (All features)", false);
  N3DVewPartOnly1 = Item(window, make, "N3DVewPartOnly1", "3D Vew (Part Only)", false);
  make->addSeparator();
  RunStopanimation1 = Item(window, make, "RunStopanimation1", "Run/Stop animation", false);
  Stepanimation1 = Item(window, make, "Stepanimation1", "Step animation", false);

  QMenu* options = Menu(bar, "Options1", "&Options");
  Setaprocsimvalue1 = Item(window, options, "Setaprocsimvalue1", "Set aprocsim. value", true,
                           QKeySequence(Qt::CTRL | Qt::Key_A));
  Viewprofilelist1 = Item(window, options, "Viewprofilelist1", "View profile list", false);
  ViewtoolsDATABASE1 = Item(window, options, "ViewtoolsDATABASE1", "View tools DATABASE", true);
  Changecolors1 = Item(window, options, "Changecolors1", "Change colors", true);

  QMenu* about = Menu(bar, "About1", "&About");
  AboutProgram1 = Item(window, about, "AboutProgram1", "About Program", true);

  ToolBar1 = new QToolBar(window);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->toggleViewAction()->setVisible(false);
  window->addToolBar(Qt::TopToolBarArea, ToolBar1);

  int index = 0;
  auto button = [&](QAction* action, ToolGlyph glyph, bool enabled) {
    const QIcon icon = ToolIcon(glyph);
    action->setIcon(icon);
    auto* b = new QToolButton(ToolBar1);
    b->setObjectName(QStringLiteral("ToolButton%1").arg(++index));
    b->setFixedSize(26, 25);
    b->setIconSize(QSize(16, 16));
    b->setIcon(icon);
    b->setToolTip(action->text());
    b->setAutoRaise(true);
    b->setEnabled(enabled);
    QObject::connect(b, &QToolButton::clicked, action, &QAction::trigger);
    ToolBar1->addWidget(b);
    return b;
  };

  ButtonOpen = button(OpenMODTfile1, ToolGlyph::Open, true);
  ButtonExportDxf = button(ExportinDXFformat1, ToolGlyph::ExportDxf, false);
  ToolBar1->addSeparator();
  ButtonRunStop = button(RunStopanimation1, ToolGlyph::RunStop, false);
  ButtonRunStop->setCheckable(true);
  ButtonStep = button(Stepanimation1, ToolGlyph::Step, false);
  ToolBar1->addSeparator();
  ButtonZoomIn = button(ZoomIn1, ToolGlyph::ZoomIn, false);
  ButtonZoomOut = button(ZoomOut1, ToolGlyph::ZoomOut, false);
  ToolBar1->addSeparator();
  ButtonSettings = button(Setaprocsimvalue1, ToolGlyph::Settings, true);
  ButtonDatabase = button(ViewtoolsDATABASE1, ToolGlyph::Database, true);
  ButtonProfileList = button(Viewprofilelist1, ToolGlyph::ProfileList, false);
  ToolBar1->addSeparator();
  Button3D = button(N3DViewAllfeatures1, ToolGlyph::View3D, false);
  N3DVewPartOnly1->setIcon(ToolIcon(ToolGlyph::View3D));
  ButtonColors = button(Changecolors1, ToolGlyph::Colors, true);
  ToolBar1->addSeparator();
  ButtonAbout = button(AboutProgram1, ToolGlyph::About, true);
  ButtonExit = button(Exit1, ToolGlyph::Exit, true);
}

void TornisMenu::EnableSimulationCommands() {
  for (QAction* a : {ExportinDXFformat1, ZoomIn1, ZoomOut1, N3DViewAllfeatures1, N3DVewPartOnly1,
                     RunStopanimation1, Stepanimation1, Viewprofilelist1}) {
    a->setEnabled(true);
  }
  for (QToolButton* b : {ButtonRunStop, ButtonStep, ButtonColors, ButtonExportDxf, ButtonZoomIn,
                         ButtonZoomOut, ButtonProfileList, Button3D}) {
    b->setEnabled(true);
  }
}

} // namespace turnsim
