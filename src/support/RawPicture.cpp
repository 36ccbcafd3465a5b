#include "support/RawPicture.h"

#include <QResource>
#include <cstdint>
#include <cstring>

namespace hb {

QImage RawPicture(const QString& resource) {
  const QResource file(resource);
  // Stored uncompressed, the bytes stay in the executable for its whole run.
  if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression) return {};
  std::uint32_t header[5];
  if (file.size() < qint64(sizeof header)) return {};
  std::memcpy(header, file.data(), sizeof header);
  const auto [magic, width, height, format, bytesPerLine] = header;
  if (magic != 0x50524248u || width == 0 || height == 0 || bytesPerLine < width * 4 ||
      file.size() - qint64(sizeof header) < qint64(bytesPerLine) * height)
    return {};
  return QImage(file.data() + sizeof header, int(width), int(height), int(bytesPerLine), QImage::Format(format));
}

} // namespace hb
