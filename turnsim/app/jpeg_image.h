// JPEG pictures decoded with libjpeg's decompression API into QImage (never through Qt's own
// image plugins).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <stdexcept>
#include <string>

namespace turnsim {

// A picture that could not be read or decoded; the text is libjpeg's or the file's reason.
class JpegError : public std::runtime_error {
public:
  explicit JpegError(const std::string& text) : std::runtime_error(text) {}
};

// Decodes a whole JPEG stream into an RGB image. Grey pictures come out grey in RGB.
// Throws JpegError on a stream that libjpeg rejects or that ends early.
QImage DecodeJpeg(const QByteArray& data);

// Reads the file (a Qt resource path such as ":/..." too) and decodes it.
QImage DecodeJpegFile(const QString& path);

} // namespace turnsim
