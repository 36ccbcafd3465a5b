// Writes the palettes shipped with the program, in the plug-in format and
// through the program's own INI writer, into the folder given as argument:
//   Webセーフカラー.hb  the 216 web-safe colours, named by their hexadecimal code
//   CSSカラー名.hb      the named colours of CSS Color Module Level 4
//   日本の伝統色.hb      traditional Japanese colours, from nippon-colors.tsv
// Usage: make_palettes <output folder> <nippon-colors.tsv>

#include <QColor>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "color/ColorConvert.h"
#include "text/CodePage.h"
#include "settings/IniFile.h"

namespace {

struct Colour {
  std::string name;
  int r, g, b;
};

void WritePalette(const std::string& path, const std::vector<Colour>& colours, const std::string& comment) {
  std::set<std::string> seen;
  for (const Colour& c : colours) {
    std::string folded = c.name;
    for (char& ch : folded) ch = char(std::tolower(static_cast<unsigned char>(ch)));
    // Section names are compared without case: each must stand for one colour.
    if (!seen.insert(folded).second) throw std::runtime_error("colour named twice: " + c.name);
  }
  std::filesystem::remove(path);
  if (!comment.empty()) {
    // A leading comment line, in CP932 like any new plug-in file (UTF-8 with
    // a byte-order mark if it had no CP932 form); the INI writer keeps it and
    // writes the colours in the same encoding.
    const std::string line = "; " + comment + "\r\n";
    const std::optional<std::string> cp932 = hb::Utf8ToCp932(line);
    const std::string bytes = cp932 ? *cp932 : std::string(hb::kUtf8Bom) + line;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write " + path);
    file.write(bytes.data(), qint64(bytes.size()));
  }
  hb::TIniFile ini(path);
  hb::TIniFile::Batch batch(ini);
  for (const Colour& c : colours) {
    ini.WriteInteger(c.name, "R", c.r);
    ini.WriteInteger(c.name, "G", c.g);
    ini.WriteInteger(c.name, "B", c.b);
  }
  batch.Commit();
}

// Greys from white to black, then the other colours around the hue circle,
// each hue from light to dark and from vivid to pale: neighbours look alike.
std::vector<Colour> WebSafe() {
  std::vector<Colour> colours;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        colours.push_back({hb::HexColorText(r * 51, g * 51, b * 51), r * 51, g * 51, b * 51});
  auto key = [](const Colour& c) {
    const QColor q(c.r, c.g, c.b);
    const int hue = q.hsvHue();  // -1 for a grey
    return std::tuple(hue, -q.value(), -q.hsvSaturation());
  };
  std::stable_sort(colours.begin(), colours.end(),
                   [&](const Colour& a, const Colour& b) { return key(a) < key(b); });
  return colours;
}

// Qt's table of colour names is the SVG/CSS list; CSS Color 4 adds
// rebeccapurple (#663399, section 6.1 of that module), and "transparent" is no
// colour.
std::vector<Colour> CssNames() {
  std::vector<Colour> colours;
  QStringList names = QColor::colorNames();
  names.removeAll(QStringLiteral("transparent"));
  if (!names.contains(QStringLiteral("rebeccapurple"))) names << QStringLiteral("rebeccapurple");
  names.sort();
  for (const QString& name : names) {
    const QColor c = name == QStringLiteral("rebeccapurple") ? QColor(0x66, 0x33, 0x99) : QColor(name);
    if (!c.isValid()) throw std::runtime_error("unknown colour name " + name.toStdString());
    colours.push_back({name.toStdString(), c.red(), c.green(), c.blue()});
  }
  if (colours.size() != 148) throw std::runtime_error("CSS Color 4 names 148 colours");
  return colours;
}

// Rows: name, romanised name, hexadecimal code, red, green, blue; "#" starts a
// comment. The code and the three values must agree.
std::vector<Colour> Nippon(const std::string& tsv) {
  QFile file(QString::fromStdString(tsv));
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + tsv);
  std::vector<Colour> colours;
  for (const QByteArray& raw : file.readAll().split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const QStringList f = line.split(QLatin1Char('\t'));
    if (f.size() != 6) throw std::runtime_error("bad row: " + line.toStdString());
    const int r = f[3].toInt(), g = f[4].toInt(), b = f[5].toInt();
    if (QString::fromStdString(hb::HexColorText(r, g, b)) != f[2].toUpper())
      throw std::runtime_error("code and values disagree: " + line.toStdString());
    colours.push_back({f[0].toStdString(), r, g, b});
  }
  return colours;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <output folder> <nippon-colors.tsv>\n", argv[0]);
    return 2;
  }
  try {
    const std::string out = std::string(argv[1]) + "/";
    WritePalette(out + "Webセーフカラー.hb", WebSafe(), "");
    WritePalette(out + "CSSカラー名.hb", CssNames(), "CSS Color Module Level 4 の名前付き色 (148 色)");
    WritePalette(out + "日本の伝統色.hb", Nippon(argv[2]),
                 "出典: NIPPON COLORS (nipponcolors.com) の色表。github.com/SSShooter/nippon-color "
                 "src/data/color.js (commit 0ec1a90a) より");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_palettes: %s\n", e.what());
    return 1;
  }
  return 0;
}
