// StatusBar1 of the main window: five text panels of fixed widths (machine tool, holder, insert,
// animation state, cutting speed); the last one also takes the rest of the bar.
#pragma once

#include <array>

#include <QLabel>
#include <QStatusBar>

namespace turnsim {

class StatusPanels : public QStatusBar {
  Q_OBJECT

public:
  static constexpr std::array<int, 5> kWidths{210, 150, 105, 140, 50};

  explicit StatusPanels(QWidget* parent = nullptr);

  void SetText(int panel, const QString& text);
  QString Text(int panel) const;
  QLabel* Panel(int panel) const { return panels_.at(static_cast<std::size_t>(panel)); }

private:
  std::array<QLabel*, 5> panels_{};
};

} // namespace turnsim
