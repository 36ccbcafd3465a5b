#include "collections/GimpPalette.h"

#include <QFile>
#include <charconv>
#include <cstdio>

#include "color/ColorConvert.h"
#include "settings/IniFile.h"

namespace hb {

namespace {

constexpr std::string_view kHeader = "GIMP Palette";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// A whole number, sign allowed, as a long that saturates instead of wrapping
// (a 30-digit value is just "too large"). Consumes it from s.
std::optional<long> TakeNumber(std::string_view& s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  const bool signed_ = !s.empty() && (s[0] == '-' || s[0] == '+');
  const bool negative = signed_ && s[0] == '-';
  const std::size_t digitsFrom = signed_ ? 1 : 0;
  std::size_t i = digitsFrom;
  long value = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
    if (value < 100000) value = value * 10 + (s[i] - '0');
  if (i == digitsFrom) return std::nullopt;
  // A number glued to a letter ("12abc") is no number.
  if (i < s.size() && !IsBlank(s[i])) return std::nullopt;
  s.remove_prefix(i);
  return negative ? -value : value;
}

void ParseColourLine(std::string_view line, TGplPalette& palette) {
  long v[3];
  for (long& c : v) {
    auto n = TakeNumber(line);
    if (!n || *n < 0 || *n > 255) {
      ++palette.SkippedLines;
      return;
    }
    c = *n;
  }
  TGplColor colour;
  colour.R = static_cast<std::uint8_t>(v[0]);
  colour.G = static_cast<std::uint8_t>(v[1]);
  colour.B = static_cast<std::uint8_t>(v[2]);
  const std::string_view name = Trim(line);
  colour.Name = name.empty() ? HexColorText(colour.R, colour.G, colour.B) : std::string(name);
  palette.Colors.push_back(std::move(colour));
}

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

} // namespace

std::optional<TGplPalette> ParseGpl(std::string_view text) {
  if (StartsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
  TGplPalette palette;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    line = Trim(line);
    if (first) {
      if (line != kHeader) return std::nullopt;
      first = false;
    } else if (line.empty() || line.front() == '#') {
    } else if (StartsWith(line, "Name:")) {
      palette.Name = std::string(Trim(line.substr(5)));
    } else if (StartsWith(line, "Columns:")) {
      line = Trim(line.substr(8));
      int columns = 0;
      const auto [ptr, ec] = std::from_chars(line.data(), line.data() + line.size(), columns);
      palette.Columns = ec == std::errc() && ptr == line.data() + line.size() && columns >= 0 && columns <= 256
                            ? columns
                            : 0;
    } else {
      ParseColourLine(line, palette);
    }
  }
  if (first) return std::nullopt;
  return palette;
}

std::string FormatGpl(const TGplPalette& palette) {
  std::string out;
  out.reserve(64 + palette.Colors.size() * 24);
  out += kHeader;
  out += "\nName: " + OneLine(palette.Name) + "\nColumns: " + std::to_string(palette.Columns) + "\n#\n";
  for (const TGplColor& c : palette.Colors) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d %3d %3d\t", c.R, c.G, c.B);
    out += buf;
    out += OneLine(c.Name);
    out += '\n';
  }
  return out;
}

std::optional<TGplPalette> ReadGplFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  if (static_cast<std::uint64_t>(file.size()) > kMaxGplFileBytes) return std::nullopt;
  // read() with a limit: a file that grows while it is read stays bounded.
  const QByteArray bytes = file.read(static_cast<qint64>(kMaxGplFileBytes) + 1);
  if (static_cast<std::uint64_t>(bytes.size()) > kMaxGplFileBytes) return std::nullopt;
  return ParseGpl(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void WriteGplFile(const std::string& path, const TGplPalette& palette) {
  WriteFileAtomically(path, FormatGpl(palette));
}

} // namespace hb
