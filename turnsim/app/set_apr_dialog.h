// The settings dialog: approximation, animation step and timer, 3D rotation angles and the
// source of the machining program.
#pragma once

#include <QDialog>

#include "turnsim/app/message_service.h"
#include "turnsim/simulation/simulation.h"

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QTimer;

namespace turnsim {

class TFSetApr : public QDialog {
  Q_OBJECT

public:
  // `timerGeom` is the animation timer whose interval the dialog edits.
  TFSetApr(SimulationSettings& settings, QTimer& timerGeom, MessageService& messages,
           QWidget* parent = nullptr);

  // Fills the edit fields from the settings; the check boxes keep their state.
  void FillFields();

  // Takes the fields in order and hides the dialog. Throws ConversionError at the first field
  // that is not a number; the fields before it are already taken, the later ones not.
  void ApplyFields();

public slots:
  // "Set values": ApplyFields, with a conversion error shown in an error box.
  void BitBtn1Click();
  void CheckBoxCLDATAClick();

protected:
  void showEvent(QShowEvent* event) override;

private:
  QLineEdit* AddField(const char* name, const char* label, QFormLayout* form);
  void TakeWriteBinary();

  SimulationSettings& settings_;
  QTimer& timerGeom_;
  MessageService& messages_;
  QLineEdit* editAproxRadial_ = nullptr;
  QLineEdit* editAproxLine_ = nullptr;
  QLineEdit* editCldataStep_ = nullptr;
  QLineEdit* timerEdit_ = nullptr;
  QLineEdit* editXa_ = nullptr;
  QLineEdit* editYa_ = nullptr;
  QLineEdit* editZa_ = nullptr;
  QCheckBox* checkBoxCldata_ = nullptr;
  QCheckBox* checkBoxWrite_ = nullptr;
};

} // namespace turnsim
