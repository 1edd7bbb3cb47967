// Border flood fill on an image: Qt's painter has none.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

namespace turnsim {

// Paints `colour` over every pixel reachable from `seed` through pixels of another colour,
// moving up, down, left and right; pixels of `colour` form the border. A seed outside the image
// or already of that colour fills nothing. Returns the number of pixels painted. The image is
// converted to Format_RGB32 when it has another format.
long BorderFloodFill(QImage& image, QPoint seed, QRgb colour);

} // namespace turnsim
