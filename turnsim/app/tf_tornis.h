// TFTornis, the main window: owns the simulation and the colours of the view, routes the menu
// commands and tool buttons, drives the animation timer, and turns what the core throws into
// message boxes and the end of the process.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include "turnsim/app/colors_config.h"
#include "turnsim/app/file_chooser.h"
#include "turnsim/app/message_service.h"
#include "turnsim/app/tornis_menu.h"
#include "turnsim/app/view_profile.h"
#include "turnsim/app/viewer_launcher.h"
#include "turnsim/export/gx_file.h"
#include "turnsim/geometry/messages.h"
#include "turnsim/simulation/simulation.h"

namespace turnsim {

class ProfileImage;
class StatusPanels;
class TFSetApr;
class TFormDB;
class TFormColor;
class TFLog;

inline constexpr const char* kProgramTitle = "Torvane 1.0";

class TFTornis : public QMainWindow, public SimulationObserver {
  Q_OBJECT

public:
  // Ends the process with a code. The program leaves its event loop; tests record the code.
  using EndProcess = std::function<void(int code)>;

  // `files` and `viewer` default to the real dialogs and the real viewer start; `workFolder`
  // (empty: the working directory) holds mach.lib, colors.cfg, the libraries and the program.
  explicit TFTornis(MessageService& messages, std::unique_ptr<FileChooser> files = nullptr,
                    std::unique_ptr<ViewerLauncher> viewer = nullptr,
                    std::filesystem::path workFolder = {}, QWidget* parent = nullptr);
  ~TFTornis() override;

  // The create event: cursor at the start, mach.lib read (FatalExit when it is missing), colours
  // loaded from colors.cfg, the part writer set up with RadialApprox.
  void FormCreate();
  // Creates the settings dialog, the machine-tool dialog, the splash (when `withSplash`) and
  // the colour dialog, in this order, with their links. The splash is shown modally when the
  // window is first shown and deletes itself when closed.
  void CreateDialogs(bool withSplash);
  void SetEndProcess(EndProcess end) { endProcess_ = std::move(end); }

  // Menu commands and tool buttons.
  void OpenMODTfile1Click();
  void ExportinDXFformat1Click();
  void Exit1Click();
  void ZoomIn1Click();
  void ZoomOut1Click();
  void N3DViewAllfeatures1Click();
  void N3DVewPartOnly1Click();
  void RunStopanimation1Click();
  void Stepanimation1Click();
  void Setaprocsimvalue1Click();
  void Viewprofilelist1Click();
  void ViewtoolsDATABASE1Click();
  void Changecolors1Click();
  void AboutProgram1Click();
  void TimerGeomTimer();

  // The open pipeline after the dialog, for the chosen path.
  void OpenModel(const QString& path);
  // One animation step: -1, 0 or 1; none when another step is still in progress or the
  // process is ending.
  std::optional<int> AnimationStep();
  // Redraws the full view with a zoom change of -1, 0 or +1.
  void RedrawView(int zoomChange);

  // SimulationObserver
  void StatusText(StatusPanel panel, const std::string& text) override;
  void ProfileChanged() override;

  Simulation& Sim() { return sim_; }
  ProfileView& View() { return view_; }
  // Origin of the last start view.
  QPoint StartViewOrigin() const { return startOrigin_; }
  QString StatusTextOf(int panel) const;
  TornisMenu& Menu() { return *menu_; }

  ViewColors Colors;
  bool ColorsSaved = true;

  ProfileImage* ImageXZR;
  StatusPanels* StatusBar1;
  QTimer* TimerGeom;
  TFSetApr* FSetApr = nullptr;
  TFormDB* FormDB = nullptr;
  TFormColor* FormColor = nullptr;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  // Runs a command; what the core throws is shown, and FatalExit ends the process.
  void Guarded(const std::function<void()>& command);
  // Stops the animation timer: "Animation stoped." and the Run/Stop button released.
  void StopAnimation();
  void Fatal(const FatalExit& fatal);
  void End(int code);
  void DrawFullView(int zoomChange);
  void StartViewer();

  MessageService& messages_;
  MessagesScope messagesScope_;
  std::filesystem::path workFolder_;
  std::unique_ptr<FileChooser> files_;
  std::unique_ptr<ViewerLauncher> viewer_;
  Simulation sim_;
  ProfileView view_;
  std::optional<GXfile> partWriter_;
  std::unique_ptr<TornisMenu> menu_;
  QPoint startOrigin_;
  QPointer<TFLog> splash_;
  bool shown_ = false;
  // Set while a step or the open pipeline runs: a timer tick behind one of their message boxes
  // must not start another step.
  bool busy_ = false;
  // Set once the process is to end: nothing runs any more.
  bool ending_ = false;
  EndProcess endProcess_;
};

} // namespace turnsim
