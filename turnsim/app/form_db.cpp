// The machine-tool dialog: a combo box of machine-tool names, "Done" and "Cancel".
#include "turnsim/app/form_db.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace turnsim {

TFormDB::TFormDB(const std::vector<Machine>& machineTools, std::int32_t& machineToolIndex,
                 bool& machineToolChosen, MessageService& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      machineToolIndex_(machineToolIndex), machineToolChosen_(machineToolChosen),
      messages_(messages) {
  setObjectName("FormDB");
  setWindowTitle("Select machine tool");
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel("Select machine tool", this);
  label->setObjectName("Label1");
  comboBoxDb_ = new QComboBox(this);
  comboBoxDb_->setObjectName("ComboBoxDB");
  for (const Machine& machine : machineTools) {
    comboBoxDb_->addItem(QString::fromStdString(machine.name));
  }
  layout->addWidget(label);
  layout->addWidget(comboBoxDb_);
  auto* buttons = new QHBoxLayout;
  auto* done = new QPushButton("Done", this);
  done->setObjectName("BitBtnDone");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("BitBtnCancel");
  cancel->setAutoDefault(false);
  buttons->addWidget(done);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(done, &QPushButton::clicked, this, &TFormDB::DoneClick);
  connect(cancel, &QPushButton::clicked, this, &TFormDB::CancelClick);
}

void TFormDB::showEvent(QShowEvent* event) {
  // An index outside the list selects nothing; a window restored from the task bar keeps the
  // entry the user picked.
  if (!event->spontaneous()) {
    const bool inList = machineToolIndex_ >= 0 && machineToolIndex_ < comboBoxDb_->count();
    comboBoxDb_->setCurrentIndex(inList ? machineToolIndex_ : -1);
  }
  QDialog::showEvent(event);
}

void TFormDB::DoneClick() {
  const int selected = comboBoxDb_->currentIndex();
  if (selected < 0) {
    messages_.Beep();
    messages_.Information("Please, select tools name from the list!");
    return;
  }
  machineToolIndex_ = selected;
  machineToolChosen_ = true;
  accept();
}

void TFormDB::CancelClick() {
  reject();
}

} // namespace turnsim
