#pragma once
// File dialog filters written the Windows way, "description|pattern|...", and
// the extension a save dialog gives a name typed without one.

#include <string>
#include <string_view>
#include <vector>

namespace hb {

struct TFileFilter {
  std::string description;  // "ビットマップファイル(*.bmp)"
  std::string pattern;      // "*.bmp", or several joined by ";"
};

// Pairs of description and pattern; a description without its pattern at the
// end is dropped.
std::vector<TFileFilter> ParseFileFilter(std::string_view filter);

// The one extension a pattern names ("*.jpg" -> "jpg"); empty for "*", "*.*",
// a list of patterns or a pattern with wildcards in its extension.
std::string PatternExtension(std::string_view pattern);

// path unchanged when its file name has an extension; otherwise path with the
// extension of the selected filter's pattern, or defaultExt when that pattern
// names none (and path unchanged when there is neither). A "." in a folder
// name does not count; a name ending in "." takes the extension after it.
std::string WithDefaultExtension(std::string_view path, std::string_view filterPattern,
                                 std::string_view defaultExt);

} // namespace hb
