// The picture the view shows before a model is opened: a turned part on the lathe axis under
// the program's name, painted to fit any rectangle.
#pragma once

#include <QPainter>
#include <QRectF>

namespace turnsim {

void PaintStartPicture(QPainter& painter, const QRectF& rect);

} // namespace turnsim
