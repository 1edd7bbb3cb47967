// The main window: its components, the start-up steps, the links to the dialogs, the guards
// around every command, and the end of the process.
#include "turnsim/app/tf_tornis.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLocale>

#include "turnsim/app/about_box.h"
#include "turnsim/app/form_color.h"
#include "turnsim/app/form_db.h"
#include "turnsim/app/profile_image.h"
#include "turnsim/app/set_apr_dialog.h"
#include "turnsim/app/splash.h"
#include "turnsim/app/status_panels.h"
#include "turnsim/app/tool_icons.h"

namespace turnsim {

namespace {

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

// The user's decimal separator, when it is one character of ASCII.
char UserDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  if (point.size() == 1 && point[0].unicode() < 128) {
    return static_cast<char>(point[0].unicode());
  }
  return '.';
}

} // namespace

TFTornis::TFTornis(MessageService& messages, std::unique_ptr<FileChooser> files,
                   std::unique_ptr<ViewerLauncher> viewer, std::filesystem::path workFolder,
                   QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowMinMaxButtonsHint),
      messages_(messages), messagesScope_(messages), workFolder_(std::move(workFolder)),
      files_(std::move(files)), viewer_(std::move(viewer)), sim_(*this, workFolder_) {
  setObjectName(QStringLiteral("FTornis"));
  setWindowTitle(Text(kProgramTitle));
  setWindowIcon(ToolIcon(ToolGlyph::Window));
  if (!files_) {
    files_ = std::make_unique<DialogFileChooser>(this);
  }
  if (!viewer_) {
    viewer_ = std::make_unique<ViewerLauncher>();
  }
  endProcess_ = [](int code) { QCoreApplication::exit(code); };

  menu_ = std::make_unique<TornisMenu>(this);
  ImageXZR = new ProfileImage(this);
  setCentralWidget(ImageXZR);
  StatusBar1 = new StatusPanels(this);
  setStatusBar(StatusBar1);

  TimerGeom = new QTimer(this);
  TimerGeom->setObjectName(QStringLiteral("TimerGeom"));
  TimerGeom->setInterval(150);
  connect(TimerGeom, &QTimer::timeout, this, &TFTornis::TimerGeomTimer);

  TornisMenu& m = *menu_;
  connect(m.OpenMODTfile1, &QAction::triggered, this, &TFTornis::OpenMODTfile1Click);
  connect(m.ExportinDXFformat1, &QAction::triggered, this, &TFTornis::ExportinDXFformat1Click);
  connect(m.Exit1, &QAction::triggered, this, &TFTornis::Exit1Click);
  connect(m.ZoomIn1, &QAction::triggered, this, &TFTornis::ZoomIn1Click);
  connect(m.ZoomOut1, &QAction::triggered, this, &TFTornis::ZoomOut1Click);
  connect(m.N3DViewAllfeatures1, &QAction::triggered, this, &TFTornis::N3DViewAllfeatures1Click);
  connect(m.N3DVewPartOnly1, &QAction::triggered, this, &TFTornis::N3DVewPartOnly1Click);
  connect(m.RunStopanimation1, &QAction::triggered, this, &TFTornis::RunStopanimation1Click);
  connect(m.Stepanimation1, &QAction::triggered, this, &TFTornis::Stepanimation1Click);
  connect(m.Setaprocsimvalue1, &QAction::triggered, this, &TFTornis::Setaprocsimvalue1Click);
  connect(m.Viewprofilelist1, &QAction::triggered, this, &TFTornis::Viewprofilelist1Click);
  connect(m.ViewtoolsDATABASE1, &QAction::triggered, this, &TFTornis::ViewtoolsDATABASE1Click);
  connect(m.Changecolors1, &QAction::triggered, this, &TFTornis::Changecolors1Click);
  connect(m.AboutProgram1, &QAction::triggered, this, &TFTornis::AboutProgram1Click);

  // The design size: the view 790 x 468 between the tool bar and the status bar.
  resize(sizeHint());
}

TFTornis::~TFTornis() {
  // The machine-tool dialog has no parent (it stays usable while this window is disabled).
  delete FormDB;
}

void TFTornis::FormCreate() {
  sim_.CommandCursor = 0;
  sim_.CommandsLeft = 1;
  sim_.Settings.DecimalSeparator = UserDecimalSeparator();
  sim_.ReadMachineList();
  LoadColors(workFolder_, Colors, messages_);
  // The part writer takes the radial approximation once, now.
  partWriter_.emplace(sim_.Settings.RadialApprox, kShapePart);
}

void TFTornis::CreateDialogs(bool withSplash) {
  FSetApr = new TFSetApr(sim_.Settings, *TimerGeom, messages_, this);
  FSetApr->setObjectName(QStringLiteral("FSetApr"));

  FormDB = new TFormDB(sim_.MachineTools, sim_.MachineToolIndex, sim_.MachineToolChosen, messages_,
                       nullptr);
  FormDB->setObjectName(QStringLiteral("FormDB"));
  connect(FormDB, &QDialog::accepted, this, [this] {
    StatusBar1->SetText(static_cast<int>(StatusPanel::MachineTool),
                        QString::fromStdString(sim_.MachineToolText()));
    RedrawView(0);
  });
  connect(FormDB, &QDialog::finished, this, [this] { setEnabled(true); });

  if (withSplash) {
    splash_ = new TFLog(TFLog::LoadPicture(), this);
  }

  FormColor = new TFormColor(Colors, ColorsSaved, messages_, workFolder_, this);
  FormColor->setObjectName(QStringLiteral("FormColor"));
  connect(FormColor, &TFormColor::ColorsChanged, this, [this] { RedrawView(0); });
}

void TFTornis::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) {
    return;
  }
  shown_ = true;
  if (splash_) {
    QTimer::singleShot(0, this, [this] {
      if (splash_) {
        splash_->exec();
      }
    });
  }
}

// The caption has no close box; a close request from the desktop asks like "Exit".
void TFTornis::closeEvent(QCloseEvent* event) {
  if (ending_) {
    event->accept();
    return;
  }
  event->ignore();
  Exit1Click();
}

QString TFTornis::StatusTextOf(int panel) const {
  return StatusBar1->Text(panel);
}

void TFTornis::StatusText(StatusPanel panel, const std::string& text) {
  StatusBar1->SetText(static_cast<int>(panel), QString::fromStdString(text));
}

void TFTornis::ProfileChanged() {
  DrawFullView(0);
}

void TFTornis::DrawFullView(int zoomChange) {
  if (view_.DrawFullView(ImageXZR->Image(), sim_, Colors, zoomChange)) {
    ImageXZR->Changed();
  }
}

void TFTornis::RedrawView(int zoomChange) {
  if (busy_) {
    return;
  }
  Guarded([&] { DrawFullView(zoomChange); });
}

void TFTornis::Guarded(const std::function<void()>& command) {
  if (ending_) {
    return;
  }
  try {
    command();
  } catch (const FatalExit& fatal) {
    Fatal(fatal);
  } catch (const std::exception& error) {
    // The default error handler: conversion, file and export errors stop the command only. A
    // running animation stops too: its next tick would meet the same command and the same error.
    if (TimerGeom->isActive()) {
      StopAnimation();
    }
    messages_.Error(QString::fromStdString(error.what()));
  }
}

void TFTornis::Fatal(const FatalExit& fatal) {
  ending_ = true;
  TimerGeom->stop();
  messages_.Information(QString::fromStdString(fatal.what()));
  End(fatal.code());
}

void TFTornis::End(int code) {
  ending_ = true;
  TimerGeom->stop();
  endProcess_(code);
}

} // namespace turnsim
