// Writes a picture's pixels as a decoder leaves them in memory, for the
// pictures every start shows first (the splash, the window icon): compiled in
// uncompressed, they are used in place, with nothing to decode.
// Layout (native byte order): "HBRP", width, height, QImage::Format, bytes per
// line, each a 32-bit unsigned integer; then the rows.
// Usage: make_raw_picture <picture.png> <output> [size]
// With a size, the picture is first scaled smoothly to fit size x size.

#include <QFile>
#include <QImage>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: %s <picture.png> <output> [size]\n", argv[0]);
    return 2;
  }
  QImage image(QString::fromLocal8Bit(argv[1]));
  if (argc == 4 && !image.isNull()) {
    const int size = std::atoi(argv[3]);
    image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  if (image.isNull() || image.depth() != 32) {
    std::fprintf(stderr, "%s: not a 32-bit picture once read\n", argv[1]);
    return 1;
  }
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "%s: cannot write\n", argv[2]);
    return 1;
  }
  const std::uint32_t header[5] = {0x50524248u /* "HBRP" */, std::uint32_t(image.width()),
                                   std::uint32_t(image.height()), std::uint32_t(image.format()),
                                   std::uint32_t(image.bytesPerLine())};
  bool ok = out.write(reinterpret_cast<const char*>(header), sizeof header) == qint64(sizeof header);
  ok = ok && out.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes();
  if (!ok || !out.flush()) {
    std::fprintf(stderr, "%s: cannot write\n", argv[2]);
    return 1;
  }
  return 0;
}
