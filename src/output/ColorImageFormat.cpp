#include "output/ColorImageFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace hb {

TImageFileFormat ImageFormatForFileName(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos) return TImageFileFormat::Bmp;
  std::string ext(name.substr(dot + 1));
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return ext == "jpg" || ext == "jpeg" || ext == "jpe" ? TImageFileFormat::Jpeg : TImageFileFormat::Bmp;
}

} // namespace hb
