// The machine-tool dialog: picks the machine tool of the 3D export from the list of mach.lib.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "turnsim/app/message_service.h"
#include "turnsim/geometry/machine.h"

class QComboBox;

namespace turnsim {

// "Done" with a selection sets the index and the chosen flag, then accepts (accepted() and
// finished()); "Cancel" and closing reject (finished() only). The caller enables its main
// window on finished() and shows the machine tool and redraws on accepted().
class TFormDB : public QDialog {
  Q_OBJECT

public:
  // The combo box is filled from `machineTools` now; later changes to the list are not shown.
  TFormDB(const std::vector<Machine>& machineTools, std::int32_t& machineToolIndex,
          bool& machineToolChosen, MessageService& messages, QWidget* parent = nullptr);

public slots:
  void DoneClick();
  void CancelClick();

protected:
  void showEvent(QShowEvent* event) override;

private:
  std::int32_t& machineToolIndex_;
  bool& machineToolChosen_;
  MessageService& messages_;
  QComboBox* comboBoxDb_ = nullptr;
};

} // namespace turnsim
