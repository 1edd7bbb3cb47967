// The five panels of the status bar.
#include "turnsim/app/status_panels.h"

namespace turnsim {

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("StatusBar1"));
  setSizeGripEnabled(true);
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    const bool last = i + 1 == panels_.size();
    if (last) {
      // A long speed text is cut at the bar's end instead of widening the window.
      label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
      label->setMinimumWidth(kWidths[i]);
    } else {
      label->setFixedWidth(kWidths[i]);
    }
    addWidget(label, last ? 1 : 0);
    panels_[i] = label;
  }
}

void StatusPanels::SetText(int panel, const QString& text) {
  Panel(panel)->setText(text);
}

QString StatusPanels::Text(int panel) const {
  return Panel(panel)->text();
}

} // namespace turnsim
