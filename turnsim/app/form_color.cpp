// The colour dialog: seven colour buttons, "Save " and "Rectore Defaults".
#include "turnsim/app/form_color.h"

#include <cstdlib>

#include <QColorDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "turnsim/app/view_colors.h"
#include "turnsim/input/file_error.h"

namespace turnsim {

namespace {

struct ColorButton {
  const char* name;
  const char* caption;
  std::int32_t ViewColors::*color;
};

const std::array<ColorButton, 7> kButtons = {{
    {"BitBtnPart", "Part color", &ViewColors::PartColor},
    {"BitBtnCut", "Cut color", &ViewColors::CutColor},
    {"BitBtnHolder", "Holder color", &ViewColors::HolderColor},
    {"BitBtnSpindle", "Spindle color", &ViewColors::SpindleColor},
    {"BitBtnCone", "Cone color", &ViewColors::ConeColor},
    {"BitBtnKulachok", "Fixer color", &ViewColors::KulachokColor},
    {"BitBtnBackGround", "Background color", &ViewColors::BackGroundColor},
}};

bool RunColorDialog(QWidget* parent, std::int32_t& color) {
  const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
  if (!chosen.isValid()) {
    return false;
  }
  color = FromQColor(chosen);
  return true;
}

} // namespace

TFormColor::TFormColor(ViewColors& colors, bool& colorsSaved, MessageService& messages,
                       std::filesystem::path folder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), colors_(colors),
      colorsSaved_(colorsSaved), messages_(messages), folder_(std::move(folder)),
      chooseColor_(RunColorDialog) {
  setObjectName("FormColor");
  setWindowTitle("Change colors of 2D animation");
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < static_cast<int>(kButtons.size()); ++i) {
    auto* button = new QPushButton(kButtons[i].caption, this);
    button->setObjectName(kButtons[i].name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, i] { ColorButtonClick(i); });
    layout->addWidget(button);
    colorButtons_[i] = button;
  }
  auto* panel = new QWidget(this);
  panel->setObjectName("Panel1");
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  save_ = new QPushButton("Save ", panel);
  save_->setObjectName("BitBtnSave");
  save_->setAutoDefault(false);
  save_->setEnabled(false);
  auto* defaults = new QPushButton("Rectore Defaults", panel);
  defaults->setObjectName("BitBtnDefaults");
  defaults->setAutoDefault(false);
  panelLayout->addWidget(save_);
  panelLayout->addWidget(defaults);
  layout->addWidget(panel);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(save_, &QPushButton::clicked, this, &TFormColor::SaveClick);
  connect(defaults, &QPushButton::clicked, this, &TFormColor::DefaultsClick);
  ShowButtonColors();
}

std::int32_t& TFormColor::ColorOf(int which) {
  return colors_.*(kButtons[which].color);
}

void TFormColor::ShowButtonColors() {
  for (int i = 0; i < static_cast<int>(kButtons.size()); ++i) {
    // The caption is written in its colour; a colour too close to the button's face would make
    // it unreadable (a white background colour on a light button), so the face turns dark then.
    QPalette palette = style()->standardPalette();
    const QColor text = ToQColor(ColorOf(i));
    const QColor face = palette.color(QPalette::Button);
    if (std::abs(text.lightness() - face.lightness()) < 64) {
      palette.setColor(QPalette::Button, face.lightness() > 127 ? QColor(64, 64, 64)
                                                                : QColor(224, 224, 224));
    }
    palette.setColor(QPalette::ButtonText, text);
    colorButtons_[i]->setPalette(palette);
  }
}

void TFormColor::showEvent(QShowEvent* event) {
  ShowButtonColors();
  QDialog::showEvent(event);
}

void TFormColor::ColorButtonClick(int which) {
  std::int32_t color = ColorOf(which);
  if (chooseColor_(this, color)) {
    ColorOf(which) = color;
    ShowButtonColors();
  }
  // Confirmed or not, the colours count as changed.
  emit ColorsChanged();
  save_->setEnabled(true);
  colorsSaved_ = false;
}

void TFormColor::SaveClick() {
  save_->setEnabled(false);
  if (SaveColors(folder_, colors_, messages_)) {
    colorsSaved_ = true;
  } else {
    // Nothing was written: the changes stay unsaved, so the exit question still offers them.
    save_->setEnabled(true);
  }
}

void TFormColor::DefaultsClick() {
  try {
    CopyDefaultColors(folder_);
  } catch (const FileError& error) {
    messages_.Error(QString::fromStdString(error.what()));
    return;
  }
  LoadColors(folder_, colors_, messages_);
  emit ColorsChanged();
  save_->setEnabled(false);
  colorsSaved_ = true;
  ShowButtonColors();
}

} // namespace turnsim
