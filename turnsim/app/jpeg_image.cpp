// libjpeg decompression into QImage, with libjpeg's fatal errors brought back by longjmp to the
// one function that set up the decompressor.
#include "turnsim/app/jpeg_image.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

// The message codes; needs jpeglib.h first.
#include <jerror.h>

namespace turnsim {

namespace {

// Pictures above this many pixels are refused rather than allocated.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

extern "C" void ExitOnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// Warnings about corrupt data that libjpeg can skip over are not shown; a stream that ends
// before the picture does is an error, not a picture padded with grey.
extern "C" void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
    ExitOnError(info);
  }
}

// Decodes into `out`. Returns false with the reason in errors->message. Only plain C objects live
// in this frame between setjmp and longjmp; `out` belongs to the caller.
bool Decompress(const unsigned char* data, unsigned long size, QImage* out, ErrorManager* errors) {
  jpeg_decompress_struct info;
  info.err = jpeg_std_error(&errors->base);
  errors->base.error_exit = ExitOnError;
  errors->base.emit_message = OnMessage;
  errors->message[0] = '\0';
  if (setjmp(errors->jump) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const long long pixels =
      static_cast<long long>(info.output_width) * static_cast<long long>(info.output_height);
  if (info.output_components != 3 || pixels > kMaxPixels) {
    std::snprintf(errors->message, sizeof errors->message, "Picture of %ux%u is not supported",
                  info.output_width, info.output_height);
    jpeg_destroy_decompress(&info);
    return false;
  }
  *out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                QImage::Format_RGB888);
  if (out->isNull()) {
    std::snprintf(errors->message, sizeof errors->message, "Out of memory for the picture");
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) {
    throw JpegError("Empty input file");
  }
  QImage image;
  ErrorManager errors;
  if (!Decompress(reinterpret_cast<const unsigned char*>(data.constData()),
                  static_cast<unsigned long>(data.size()), &image, &errors)) {
    throw JpegError(errors.message);
  }
  return image;
}

QImage DecodeJpegFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw JpegError("Cannot open file \"" + path.toStdString() + "\". " +
                    file.errorString().toStdString());
  }
  return DecodeJpeg(file.readAll());
}

} // namespace turnsim
