#pragma once
// Which format the colour image is written in, told by the file's extension.

#include <string_view>

namespace hb {

enum class TImageFileFormat { Bmp, Jpeg };

// JPEG when the file name's extension (after its last ".") is jpg, jpeg or
// jpe in any case, so a file named as JPEG holds JPEG; BMP for anything else,
// no extension included. A "." in a folder name does not count.
TImageFileFormat ImageFormatForFileName(std::string_view path);

} // namespace hb
