// Scan-line border flood fill: each run of fillable pixels is painted at once and the rows above
// and below it are searched for new runs.
#include "turnsim/app/view_border_fill.h"

#include <vector>

namespace turnsim {

long BorderFloodFill(QImage& image, QPoint seed, QRgb colour) {
  if (!image.rect().contains(seed)) {
    return 0;
  }
  if (image.format() != QImage::Format_RGB32) {
    image = image.convertToFormat(QImage::Format_RGB32);
  }
  const QRgb border = colour | 0xFF000000u;
  const int width = image.width();
  const int height = image.height();
  auto row = [&](int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); };
  auto open = [&](const QRgb* line, int x) { return (line[x] | 0xFF000000u) != border; };

  if (!open(row(seed.y()), seed.x())) {
    return 0;
  }
  long painted = 0;
  std::vector<QPoint> stack{seed};
  while (!stack.empty()) {
    const QPoint p = stack.back();
    stack.pop_back();
    QRgb* line = row(p.y());
    if (!open(line, p.x())) {
      continue;
    }
    int left = p.x();
    while (left > 0 && open(line, left - 1)) {
      --left;
    }
    int right = p.x();
    while (right + 1 < width && open(line, right + 1)) {
      ++right;
    }
    for (int x = left; x <= right; ++x) {
      line[x] = border;
    }
    painted += right - left + 1;
    for (int y : {p.y() - 1, p.y() + 1}) {
      if (y < 0 || y >= height) {
        continue;
      }
      const QRgb* next = row(y);
      bool inRun = false;
      for (int x = left; x <= right; ++x) {
        const bool o = open(next, x);
        if (o && !inRun) {
          stack.emplace_back(x, y);
        }
        inRun = o;
      }
    }
  }
  return painted;
}

} // namespace turnsim
