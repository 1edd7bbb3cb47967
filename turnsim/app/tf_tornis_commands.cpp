// The command handlers of the main window: opening a model, the animation, zoom, the exports,
// the dialogs, and the exit dialogue.
#include <QFileInfo>

#include "turnsim/app/about_box.h"
#include "turnsim/app/form_color.h"
#include "turnsim/app/form_db.h"
#include "turnsim/app/list_xzr.h"
#include "turnsim/app/profile_image.h"
#include "turnsim/app/set_apr_dialog.h"
#include "turnsim/app/status_panels.h"
#include "turnsim/app/tf_tornis.h"
#include "turnsim/export/part_solid.h"
#include "turnsim/export/profile_listing.h"
#include "turnsim/export/profile_writer.h"
#include "turnsim/export/scene_export.h"

namespace turnsim {

namespace {

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

constexpr int kAnimationPanel = static_cast<int>(StatusPanel::Animation);

// Sets a flag for the lifetime of the scope.
class BusyScope {
public:
  explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyScope() { flag_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

private:
  bool& flag_;
};

} // namespace

void TFTornis::OpenMODTfile1Click() {
  if (ending_) {
    return;
  }
  const QString path = files_->OpenModel();
  if (!path.isEmpty()) {
    OpenModel(path);
  }
}

void TFTornis::OpenModel(const QString& path) {
  if (busy_ || ending_) {
    return;
  }
  BusyScope busy(busy_);
  Guarded([&] {
    setWindowTitle(Text(kProgramTitle) + QStringLiteral(" -  FileName: ") +
                   QFileInfo(path).fileName());
    sim_.OpenModel(path.toStdString());
    ImageXZR->SetStretch(false);
    startOrigin_ = view_.DrawStartView(ImageXZR->Image(), ImageXZR->size(), sim_, Colors);
    ImageXZR->Changed();
    menu_->EnableSimulationCommands();
  });
}

std::optional<int> TFTornis::AnimationStep() {
  if (busy_ || ending_) {
    return std::nullopt;
  }
  BusyScope busy(busy_);
  std::optional<int> result;
  Guarded([&] { result = sim_.AnimationStepRun(); });
  return result;
}

void TFTornis::TimerGeomTimer() {
  const std::optional<int> result = AnimationStep();
  if (result == kNoCommandLeft) {
    StopAnimation();
  }
}

void TFTornis::StopAnimation() {
  TimerGeom->stop();
  StatusBar1->SetText(kAnimationPanel, Text("Animation stoped."));
  menu_->ButtonRunStop->setChecked(false);
}

void TFTornis::RunStopanimation1Click() {
  if (ending_) {
    return;
  }
  if (TimerGeom->isActive()) {
    TimerGeom->stop();
    StatusBar1->SetText(kAnimationPanel, Text("Animation stoped."));
  } else {
    TimerGeom->start();
    StatusBar1->SetText(kAnimationPanel, Text("Animation in progress..."));
  }
  menu_->ButtonRunStop->setChecked(TimerGeom->isActive());
}

void TFTornis::Stepanimation1Click() {
  AnimationStep();
}

void TFTornis::ZoomIn1Click() {
  if (!sim_.CutDone) {
    messages_.Beep();
    return;
  }
  RedrawView(+1);
}

void TFTornis::ZoomOut1Click() {
  if (!sim_.CutDone) {
    messages_.Beep();
    return;
  }
  RedrawView(-1);
}

void TFTornis::ExportinDXFformat1Click() {
  if (!sim_.ModelLoaded) {
    messages_.Warning(Text("You have to open MODT file first."));
    return;
  }
  if (!sim_.CutDone) {
    messages_.Beep();
    return;
  }
  const QString file = files_->SaveDxf();
  if (file.isEmpty()) {
    return;
  }
  Guarded([&] {
    ProfileWriter writer(sim_.CutProfile);
    writer.WriteDxf(file.toStdString(), workFolder_);
    messages_.Information(Text("DXF file created."));
  });
}

void TFTornis::N3DViewAllfeatures1Click() {
  if (!sim_.CutDone || TimerGeom->isActive()) {
    messages_.Beep();
    return;
  }
  Guarded([&] {
    const bool machineKnown =
        sim_.MachineToolIndex >= 0 &&
        static_cast<std::size_t>(sim_.MachineToolIndex) < sim_.MachineTools.size();
    const SceneInputs inputs{
        sim_.CutProfile, sim_.Tool, sim_.CurrentCommand,
        machineKnown ? &sim_.MachineTools[static_cast<std::size_t>(sim_.MachineToolIndex)]
                     : nullptr,
        sim_.MachineToolChosen, sim_.Reference(), sim_.Settings.LineApprox,
        // The part's angular steps were fixed when the part writer was set up.
        partWriter_->angularSteps(), sim_.Settings.AngleX, sim_.Settings.AngleY,
        sim_.Settings.AngleZ};
    ExportScene(inputs, workFolder_);
    StartViewer();
  });
}

void TFTornis::N3DVewPartOnly1Click() {
  if (!sim_.CutDone) {
    messages_.Beep();
    return;
  }
  Guarded([&] {
    if (WritePartSolid(*partWriter_, sim_.CutProfile, sim_.Settings.LineApprox, 0)) {
      StartViewer();
    }
  });
}

void TFTornis::StartViewer() {
  // A viewer that cannot be started is not reported.
  viewer_->Start();
}

void TFTornis::Viewprofilelist1Click() {
  Guarded([&] {
    ProfileWriter writer(sim_.CutProfile);
    QStringList lines;
    for (const std::string& line : ProfileListing(writer)) {
      lines.append(QString::fromStdString(line));
    }
    auto* list = new TFListXZR(lines, messages_, this);
    list->show();
  });
}

void TFTornis::Setaprocsimvalue1Click() {
  if (FSetApr != nullptr) {
    FSetApr->show();
    FSetApr->raise();
  }
}

void TFTornis::ViewtoolsDATABASE1Click() {
  if (FormDB != nullptr) {
    setEnabled(false);
    FormDB->show();
    FormDB->raise();
  }
}

void TFTornis::Changecolors1Click() {
  if (FormColor != nullptr) {
    FormColor->show();
    FormColor->raise();
  }
}

void TFTornis::AboutProgram1Click() {
  TAboutBox::ShowNew(this);
}

void TFTornis::Exit1Click() {
  if (ending_) {
    return;
  }
  messages_.Beep();
  if (messages_.Question(Text("Do you realy want to exit?")) != MessageService::Answer::Yes) {
    return;
  }
  if (!ColorsSaved) {
    messages_.Beep();
    const MessageService::Answer save =
        messages_.QuestionWithCancel(Text("Do you want to save the changes in color settigs?"));
    if (save == MessageService::Answer::Cancel) {
      return;
    }
    if (save == MessageService::Answer::Yes) {
      SaveColors(workFolder_, Colors, messages_);
    }
  }
  End(0);
}

} // namespace turnsim
