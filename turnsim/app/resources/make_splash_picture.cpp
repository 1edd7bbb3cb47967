// Draws the splash picture (program name and a turned part in the chuck, with the tool) and
// writes it as a JPEG with libjpeg's compression API. Run once when the picture changes:
//   g++ -std=c++20 -fPIC make_splash_picture.cpp $(pkg-config --cflags --libs Qt6Gui) -ljpeg \
//     -o /tmp/make_splash_picture && QT_QPA_PLATFORM=offscreen /tmp/make_splash_picture splash.jpg
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kWidth = 404;
constexpr int kHeight = 254;
constexpr int kAxisY = 172;

// The upper half of the part, left to right, as (x, radius) corners.
QPainterPath HalfProfile(bool upper) {
  const std::vector<QPointF> corners = {{62, 0},   {62, 52},  {150, 52}, {156, 46}, {222, 46},
                                        {222, 32}, {240, 32}, {240, 24}, {252, 24}, {252, 32},
                                        {296, 32}, {302, 26}, {336, 26}, {342, 20}, {342, 0}};
  QPainterPath path;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const QPointF p(corners[i].x(), kAxisY + (upper ? -corners[i].y() : corners[i].y()));
    i == 0 ? path.moveTo(p) : path.lineTo(p);
  }
  path.closeSubpath();
  return path;
}

QImage DrawPicture() {
  QImage image(kWidth, kHeight, QImage::Format_RGB888);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0.0, QColor(0x16, 0x24, 0x3a));
  sky.setColorAt(1.0, QColor(0x2c, 0x44, 0x66));
  painter.fillRect(image.rect(), sky);

  QFont title("DejaVu Sans", 34, QFont::Bold);
  painter.setFont(title);
  painter.setPen(QColor(0xf4, 0xf6, 0xfa));
  painter.drawText(QRectF(22, 14, 360, 50), Qt::AlignLeft | Qt::AlignVCenter, "TORVANE");
  QFont subtitle("DejaVu Sans", 11);
  painter.setFont(subtitle);
  painter.setPen(QColor(0xa8, 0xc0, 0xdc));
  painter.drawText(QRectF(24, 62, 360, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   "CNC lathe turning simulator  1.0");

  // Chuck jaws holding the part.
  painter.setPen(QPen(QColor(0x20, 0x20, 0x24), 1));
  painter.setBrush(QColor(0x70, 0x74, 0x7c));
  painter.drawRect(QRectF(30, kAxisY - 74, 44, 30));
  painter.drawRect(QRectF(30, kAxisY + 44, 44, 30));

  // The part, shaded like a turned steel surface.
  for (const bool upper : {true, false}) {
    QLinearGradient steel(0, kAxisY - (upper ? 52 : -52), 0, kAxisY);
    steel.setColorAt(0.0, QColor(0x5a, 0x6a, 0x80));
    steel.setColorAt(0.45, QColor(0xd8, 0xe2, 0xee));
    steel.setColorAt(1.0, QColor(0x8a, 0x9a, 0xb0));
    painter.setBrush(steel);
    painter.setPen(QPen(QColor(0x10, 0x18, 0x28), 1.2));
    painter.drawPath(HalfProfile(upper));
  }

  // The axis.
  painter.setPen(QPen(QColor(0xff, 0xd0, 0x40), 1, Qt::DashDotLine));
  painter.drawLine(QPointF(18, kAxisY), QPointF(386, kAxisY));

  // The holder and its insert at the end of the cut.
  painter.setPen(QPen(QColor(0x10, 0x10, 0x14), 1));
  painter.setBrush(QColor(0x3a, 0x3c, 0x44));
  painter.drawRect(QRectF(350, kAxisY - 118, 22, 70));
  painter.setBrush(QColor(0xf0, 0x90, 0x18));
  const QPointF insert[] = {{343, kAxisY - 22}, {372, kAxisY - 48}, {350, kAxisY - 48}};
  painter.drawPolygon(insert, 3);
  painter.end();
  return image;
}

bool WriteJpeg(const QImage& image, const char* path, int quality) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) {
    return false;
  }
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(image.width());
  info.image_height = static_cast<JDIMENSION>(image.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uchar*>(image.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_splash_picture output.jpg\n");
    return 2;
  }
  return WriteJpeg(DrawPicture(), argv[1], 90) ? 0 : 1;
}
