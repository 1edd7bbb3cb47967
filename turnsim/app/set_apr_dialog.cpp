// The settings dialog. Fields are taken in a fixed order; a field that is not a number stops
// the taking there with a conversion error.
#include "turnsim/app/set_apr_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "turnsim/geometry/number_text.h"

namespace turnsim {

namespace {

std::string Trimmed(const QString& text) {
  return text.trimmed().toStdString();
}

// A whole text, spaces around it aside, as a decimal 32-bit integer with an optional sign.
std::int32_t IntegerOf(const QLineEdit* edit) {
  const std::string text = Trimmed(edit->text());
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+' && last - first > 1 && first[1] != '-') {
    ++first;
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (first == last || error != std::errc() || end != last) {
    throw ConversionError("'" + edit->text().toStdString() + "' is not a valid integer value");
  }
  return value;
}

// A whole text, spaces around it aside, as a decimal number written with `separator`:
// sign, digits, fraction and exponent; the value must fit a 32-bit float.
float FloatOf(const QLineEdit* edit, char separator) {
  const std::string text = Trimmed(edit->text());
  std::string plain;
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      plain += text[i++];
    }
    return i - from;
  };
  auto sign = [&] {
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      plain += text[i] == '-' ? "-" : "";
      ++i;
    }
  };
  sign();
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == separator) {
    plain += '.';
    ++i;
    mantissa += digits();
  }
  bool valid = mantissa > 0;
  if (valid && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      plain += text[i++];
    }
    valid = digits() > 0;
  }
  double value = 0.0;
  if (valid && i == text.size()) {
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    valid = error == std::errc() && end == plain.data() + plain.size() &&
            std::isfinite(static_cast<float>(value));
  } else {
    valid = false;
  }
  if (!valid) {
    throw ConversionError("'" + edit->text().toStdString() +
                          "' is not a valid floating point value");
  }
  return static_cast<float>(value);
}

} // namespace

TFSetApr::TFSetApr(SimulationSettings& settings, QTimer& timerGeom, MessageService& messages,
                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      settings_(settings), timerGeom_(timerGeom), messages_(messages) {
  setObjectName("FSetApr");
  setWindowTitle("Settings");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  editAproxRadial_ = AddField("EditAproxRadial", "Radial aprocsim. (2 - 100)", form);
  editAproxLine_ = AddField("EditAproxLine", "Radius/apr.line (1 - 15)", form);
  editCldataStep_ = AddField("EditCLDATAStep", "Animation Step (mm)", form);
  timerEdit_ = AddField("TimerEdit", "Animation Step (mces)", form);

  auto* group = new QGroupBox("Rotation angles in 3D visualisation module (float values!)", this);
  group->setObjectName("GroupBox1");
  auto* angles = new QFormLayout(group);
  editXa_ = AddField("EditXa", "X axis (0-360)", angles);
  editYa_ = AddField("EditYa", "Y axis (0-360)", angles);
  editZa_ = AddField("EditZa", "Z axis (0-360)", angles);
  layout->addWidget(group);

  checkBoxCldata_ = new QCheckBox("Load binary CLDATA program", this);
  checkBoxCldata_->setObjectName("CheckBoxCLDATA");
  checkBoxCldata_->setChecked(settings_.CldataSource == kCldataBinary);
  checkBoxWrite_ = new QCheckBox("Write CLDATA in binary file", this);
  checkBoxWrite_->setObjectName("CheckBoxWrite");
  checkBoxWrite_->setChecked(settings_.WriteBinaryCldata);
  layout->addWidget(checkBoxCldata_);
  layout->addWidget(checkBoxWrite_);
  CheckBoxCLDATAClick();
  TakeWriteBinary();

  auto* setValues = new QPushButton("Set values", this);
  setValues->setObjectName("BitBtn1");
  layout->addWidget(setValues);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(checkBoxCldata_, &QCheckBox::toggled, this, &TFSetApr::CheckBoxCLDATAClick);
  connect(checkBoxCldata_, &QCheckBox::toggled, this, &TFSetApr::TakeWriteBinary);
  connect(checkBoxWrite_, &QCheckBox::toggled, this, &TFSetApr::TakeWriteBinary);
  connect(setValues, &QPushButton::clicked, this, &TFSetApr::BitBtn1Click);
}

QLineEdit* TFSetApr::AddField(const char* name, const char* label, QFormLayout* form) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  form->addRow(label, edit);
  return edit;
}

void TFSetApr::FillFields() {
  const char separator = settings_.DecimalSeparator;
  editAproxRadial_->setText(QString::number(settings_.RadialApprox));
  editAproxLine_->setText(QString::number(settings_.LineApprox));
  editCldataStep_->setText(
      QString::fromStdString(FormatGeneral(settings_.AnimationStep, separator)));
  timerEdit_->setText(QString::number(timerGeom_.interval()));
  editXa_->setText(QString::fromStdString(FormatGeneral(settings_.AngleX, separator)));
  editYa_->setText(QString::fromStdString(FormatGeneral(settings_.AngleY, separator)));
  editZa_->setText(QString::fromStdString(FormatGeneral(settings_.AngleZ, separator)));
}

void TFSetApr::showEvent(QShowEvent* event) {
  // A window restored from the task bar keeps what the user typed.
  if (!event->spontaneous()) {
    FillFields();
  }
  QDialog::showEvent(event);
}

void TFSetApr::ApplyFields() {
  const char separator = settings_.DecimalSeparator;
  settings_.RadialApprox = IntegerOf(editAproxRadial_);
  settings_.LineApprox = IntegerOf(editAproxLine_);
  settings_.AnimationStep = static_cast<float>(IntegerOf(editCldataStep_));
  settings_.AngleX = FloatOf(editXa_, separator);
  settings_.AngleY = FloatOf(editYa_, separator);
  settings_.AngleZ = FloatOf(editZa_, separator);
  const std::int32_t interval = IntegerOf(timerEdit_);
  if (interval < 0) {
    // A timer interval has no sign: a negative one is out of range, like any unsigned value.
    throw ConversionError("Range check error");
  }
  timerGeom_.setInterval(interval);
  hide();
  settings_.CldataSource = checkBoxCldata_->isChecked() ? kCldataBinary : kCldataText;
}

void TFSetApr::BitBtn1Click() {
  try {
    ApplyFields();
  } catch (const ConversionError& error) {
    messages_.Error(QString::fromStdString(error.what()));
  }
}

void TFSetApr::CheckBoxCLDATAClick() {
  checkBoxWrite_->setEnabled(!checkBoxCldata_->isChecked());
}

void TFSetApr::TakeWriteBinary() {
  // The text program is also written in binary only while the box is checked and enabled.
  settings_.WriteBinaryCldata = checkBoxWrite_->isChecked() && !checkBoxCldata_->isChecked();
}

} // namespace turnsim
