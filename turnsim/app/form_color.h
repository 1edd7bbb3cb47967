// The dialog that edits the seven colours of the 2D view, saves them to colors.cfg and restores
// the factory colours of colors.~fg.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>

#include "turnsim/app/colors_config.h"
#include "turnsim/app/message_service.h"

class QPushButton;

namespace turnsim {

class TFormColor : public QDialog {
  Q_OBJECT

public:
  // Asks the user for a colour starting from `color`; false when the user cancels.
  using ColorChooser = std::function<bool(QWidget* parent, std::int32_t& color)>;

  // `folder` holds colors.cfg and colors.~fg (empty: the working directory).
  TFormColor(ViewColors& colors, bool& colorsSaved, MessageService& messages,
             std::filesystem::path folder = {}, QWidget* parent = nullptr);

  // Replaces the colour dialog (tests answer it).
  void SetColorChooser(ColorChooser chooser) { chooseColor_ = std::move(chooser); }

  // Writes each button's caption in the colour it stands for.
  void ShowButtonColors();

signals:
  // A colour button was pressed or the defaults were restored: the view is to be redrawn.
  void ColorsChanged();

private slots:
  void ColorButtonClick(int which);
  void SaveClick();
  void DefaultsClick();

protected:
  void showEvent(QShowEvent* event) override;

private:
  std::int32_t& ColorOf(int which);

  ViewColors& colors_;
  bool& colorsSaved_;
  MessageService& messages_;
  std::filesystem::path folder_;
  ColorChooser chooseColor_;
  std::array<QPushButton*, 7> colorButtons_{};
  QPushButton* save_ = nullptr;
};

} // namespace turnsim
