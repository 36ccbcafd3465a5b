#include "settings/FileFilter.h"

namespace hb {

std::vector<TFileFilter> ParseFileFilter(std::string_view filter) {
  std::vector<TFileFilter> filters;
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (start <= filter.size()) {
    const std::size_t bar = filter.find('|', start);
    const std::size_t end = bar == std::string_view::npos ? filter.size() : bar;
    parts.push_back(filter.substr(start, end - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
    filters.push_back({std::string(parts[i]), std::string(parts[i + 1])});
  return filters;
}

std::string PatternExtension(std::string_view pattern) {
  if (pattern.substr(0, 2) != "*.") return {};
  const std::string_view ext = pattern.substr(2);
  if (ext.empty() || ext.find_first_of("*?;[]. ") != std::string_view::npos) return {};
  return std::string(ext);
}

std::string WithDefaultExtension(std::string_view path, std::string_view filterPattern,
                                 std::string_view defaultExt) {
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (name.empty() || (dot != std::string_view::npos && dot + 1 < name.size())) return std::string(path);
  std::string ext = PatternExtension(filterPattern);
  if (ext.empty()) ext = std::string(defaultExt);
  if (ext.empty()) return std::string(path);
  std::string result(path);
  if (result.back() != '.') result += '.';
  return result + ext;
}

} // namespace hb
