// A QIconEngine that paints one glyph with QPainter into any rectangle, so that icons stay sharp
// at every size and device pixel ratio.
#pragma once

#include <QIconEngine>

#include "turnsim/app/tool_icons.h"

namespace turnsim {

class ToolIconEngine : public QIconEngine {
public:
  explicit ToolIconEngine(ToolGlyph glyph) : glyph_(glyph) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QIconEngine* clone() const override { return new ToolIconEngine(glyph_); }
  QString key() const override { return QStringLiteral("turnsim-tool"); }

  // Paints the glyph on a 16 x 16 design grid scaled into `rect`; greyed when disabled.
  static void PaintGlyph(QPainter& painter, const QRectF& rect, ToolGlyph glyph, bool enabled);

private:
  ToolGlyph glyph_;
};

} // namespace turnsim
