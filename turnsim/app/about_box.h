// The about box: picture, product name, version, notice and credits, and "OK".
#pragma once

#include <QDialog>

namespace turnsim {

class TAboutBox : public QDialog {
  Q_OBJECT

public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // Creates a new about box that shows itself without modality and deletes itself when
  // closed; returns it.
  static TAboutBox* ShowNew(QWidget* parent);

protected:
  void showEvent(QShowEvent* event) override;
};

} // namespace turnsim
