#include "output/ColorImageFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>
#include <jerror.h>

#include "output/ColorImageFormat.h"
#include "settings/IniFile.h"

namespace hb {

namespace {

constexpr int kSide = 240;
constexpr int kJpegQuality = 90;

// libjpeg's default error handler ends the process; this one jumps back to the
// encoder with the message instead.
struct JpegErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

void JpegSilent(j_common_ptr, int) {}

// The compressed bytes, in a buffer that grows by doubling and that the caller
// frees whatever happened (libjpeg's own memory destination can leave its
// caller's pointer on a buffer it has already freed when it fails).
struct JpegBuffer {
  jpeg_destination_mgr pub;
  unsigned char* data;
  std::size_t capacity;
  std::size_t size;
};

void BufferInit(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<JpegBuffer*>(cinfo->dest);
  dest->capacity = 16 * 1024;
  dest->data = static_cast<unsigned char*>(std::malloc(dest->capacity));
  if (!dest->data) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
  dest->pub.next_output_byte = dest->data;
  dest->pub.free_in_buffer = dest->capacity;
}

boolean BufferEmpty(j_compress_ptr cinfo) {
  // Called with the whole buffer full.
  auto* dest = reinterpret_cast<JpegBuffer*>(cinfo->dest);
  const std::size_t used = dest->capacity;
  auto* grown = static_cast<unsigned char*>(std::realloc(dest->data, used * 2));
  if (!grown) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 1);
  dest->data = grown;
  dest->capacity = used * 2;
  dest->pub.next_output_byte = dest->data + used;
  dest->pub.free_in_buffer = dest->capacity - used;
  return TRUE;
}

void BufferTerm(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<JpegBuffer*>(cinfo->dest);
  dest->size = dest->capacity - dest->pub.free_in_buffer;
}

// Kept free of C++ objects with destructors, which longjmp would skip.
// Returns false with err->message filled on failure.
bool CompressRgbRows(const unsigned char* pixels, int width, int height, int stride, JpegBuffer* out,
                     JpegErrorManager* err) {
  jpeg_compress_struct cinfo;
  cinfo.err = jpeg_std_error(&err->pub);
  err->pub.error_exit = JpegErrorExit;
  err->pub.emit_message = JpegSilent;
  if (setjmp(err->jump)) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  out->pub.init_destination = BufferInit;
  out->pub.empty_output_buffer = BufferEmpty;
  out->pub.term_destination = BufferTerm;
  cinfo.dest = &out->pub;
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, kJpegQuality, TRUE);
  cinfo.dct_method = JDCT_FLOAT;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(pixels + std::size_t(cinfo.next_scanline) * std::size_t(stride));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

} // namespace

QImage ColorImage(const QColor& color) {
  QImage image(kSide, kSide, QImage::Format_RGB888);
  image.fill(color);
  return image;
}

std::string EncodeBmp(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "bmp");
  // Qt writes 24 bits per pixel for an image without alpha.
  if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
    throw std::runtime_error(writer.errorString().toStdString());
  return bytes.toStdString();
}

std::string EncodeJpeg(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  JpegBuffer out{};
  JpegErrorManager err{};
  const bool ok =
      CompressRgbRows(rgb.constBits(), rgb.width(), rgb.height(), int(rgb.bytesPerLine()), &out, &err);
  std::string bytes;
  if (ok && out.data) bytes.assign(reinterpret_cast<const char*>(out.data), out.size);
  std::free(out.data);
  if (!ok) throw std::runtime_error(err.message);
  return bytes;
}

void WriteColorImage(const std::string& path, const QImage& image) {
  std::string bytes;
  try {
    bytes = ImageFormatForFileName(path) == TImageFileFormat::Jpeg ? EncodeJpeg(image) : EncodeBmp(image);
  } catch (const std::exception&) {
    // The encoder ran out of memory or failed: nothing is written.
    throw IniWriteError(path);
  }
  WriteFileAtomically(path, bytes);
}

} // namespace hb
