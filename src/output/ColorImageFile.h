#pragma once
// The colour image file: a picture of the current colour written as BMP (by
// Qt's writer) or JPEG (by libjpeg), replacing the file whole or not at all.

#include <QColor>
#include <QImage>
#include <string>

namespace hb {

// The picture saved: the big swatch's 240 x 240 area filled with the colour,
// 24 bits per pixel.
QImage ColorImage(const QColor& color);

// An uncompressed 24-bit Windows bitmap.
std::string EncodeBmp(const QImage& image);

// Baseline JPEG from 24-bit RGB rows: libjpeg's defaults, quality 90 with
// baseline-compatible tables, the floating-point DCT, not progressive.
// Throws std::runtime_error when libjpeg reports an error.
std::string EncodeJpeg(const QImage& image);

// Encodes image in the format its name asks for (ImageFormatForFileName) and
// puts it in place through a temporary file in the same folder, so a failure
// leaves any old file untouched and nothing partial. Throws IniWriteError
// ("<path> に書き込めません") on any failure.
void WriteColorImage(const std::string& path, const QImage& image);

} // namespace hb
