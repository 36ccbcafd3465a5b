#include "output/CommandLine.h"

#include <algorithm>
#include <array>
#include <optional>

#include "color/ColorConvert.h"
#include "output/ColorCodes.h"
#include "output/ColorNotations.h"
#include "text/Translate.h"

#include <QtGlobal>

namespace hb {
namespace {

// Options QGuiApplication reads itself, with one or two leading dashes.
constexpr std::array kQtOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin",        "display",     "style",
    "stylesheet", "session",          "qwindowgeometry", "geometry",    "qwindowtitle", "qwindowicon",
    "title",    "name",               "qwindowstate"};
constexpr std::array kQtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

std::string_view WithoutDashes(std::string_view arg) {
  if (arg.starts_with("--")) return arg.substr(2);
  if (arg.starts_with("-")) return arg.substr(1);
  return arg;
}

bool IsIn(const auto& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// text: a source text marked for translation; it is translated when told.
TCommandLine Error(const char* text, std::string arg = {}) {
  TCommandLine line;
  line.mode = TCommandLine::Mode::Error;
  line.error = text;
  line.errorArg = std::move(arg);
  return line;
}

} // namespace

const std::vector<std::string_view>& PickFormats() {
  static const std::vector<std::string_view> formats = {"hex",    "rgb",    "html",  "vb",  "css-rgb", "css-hsl",
                                                        "qcolor", "float", "oklch", "lab", "lch"};
  return formats;
}

std::optional<std::string> PickedColorText(std::string_view format, int R, int G, int B) {
  const std::string hex = HexColorText(R & 0xFF, G & 0xFF, B & 0xFF);
  if (format == "hex") return "#" + hex;
  if (format == "rgb") return RGBCode(R, G, B);
  if (format == "html") return HTMLCode(hex);
  if (format == "vb") return VBCode(hex);
  if (format == "css-rgb") return CssRgbCode(R, G, B);
  if (format == "css-hsl") return CssHslCode(R, G, B);
  if (format == "qcolor") return QColorCode(R, G, B);
  if (format == "float") return FloatTripleCode(R, G, B);
  if (format == "oklch") return CssOklchCode(R, G, B);
  if (format == "lab") return CssLabCode(R, G, B);
  if (format == "lch") return CssLchCode(R, G, B);
  return std::nullopt;
}

TCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  TCommandLine line;
  bool pick = false, help = false, version = false, formatGiven = false, optionsEnd = false;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnd || arg == "-" || !arg.starts_with("-")) {
      files.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnd = true;
      continue;
    }
    const std::string_view name = WithoutDashes(arg);
    const std::size_t equals = name.find('=');
    const std::string_view key = name.substr(0, equals);
    // An option's value: after "=" in the same argument, else the next one.
    auto value = [&]() -> std::optional<std::string> {
      if (equals != std::string_view::npos) return std::string(name.substr(equals + 1));
      if (i + 1 < args.size()) return args[++i];
      return std::nullopt;
    };
    if (arg == "--pick") {
      pick = true;
    } else if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--version") {
      version = true;
    } else if (arg.starts_with("--") && key == "format") {
      const std::optional<std::string> format = value();
      if (!format) return Error(QT_TRANSLATE_NOOP("CommandLine", "--format には書式が必要です"));
      if (!IsIn(PickFormats(), std::string_view(*format)))
        return Error(QT_TRANSLATE_NOOP("CommandLine", "不明な書式です: %1"), *format);
      line.format = *format;
      formatGiven = true;
    } else if (arg.starts_with("--") && key == "lang") {
      const std::string lang = value().value_or("");
      if (lang != "ja" && lang != "en")
        return Error(QT_TRANSLATE_NOOP("CommandLine", "--lang には ja か en を指定してください"));
      line.lang = lang;
    } else if (IsIn(kQtOptionsWithValue, key)) {
      value();  // Qt reads it itself
    } else if (IsIn(kQtFlags, key)) {
    } else {
      return Error(QT_TRANSLATE_NOOP("CommandLine", "不明なオプションです: %1"), arg);
    }
  }
  if (help) {
    line.mode = TCommandLine::Mode::Help;
  } else if (version) {
    line.mode = TCommandLine::Mode::Version;
  } else if (formatGiven && !pick) {
    return Error(QT_TRANSLATE_NOOP("CommandLine", "--format は --pick と使います"));
  } else if (pick) {
    if (!files.empty()) return Error(QT_TRANSLATE_NOOP("CommandLine", "--pick にファイルは指定できません: %1"), files.front());
    line.mode = TCommandLine::Mode::Pick;
  } else if (files.size() > 1) {
    return Error(QT_TRANSLATE_NOOP("CommandLine", "開けるファイルは一つです"));
  } else if (!files.empty()) {
    line.file = files.front();
  }
  return line;
}

std::string CommandError(const TCommandLine& line) {
  return Arg(Tr("CommandLine", line.error.c_str()), line.errorArg);
}

std::string CommandUsage() {
  return Tr("CommandLine", "使い方: huebrook [--pick [--format 書式]] [--lang ja|en] [ファイル] | --help | --version") + "\n";
}

std::string CommandHelp() {
  std::string formats;
  for (std::string_view f : PickFormats()) formats += std::string(formats.empty() ? "" : ", ") + std::string(f);
  return CommandUsage() + "\n" +
         Arg(Tr("CommandLine",
                "  (なし)              メインウィンドウを開きます\n"
                "  ファイル            .hb または .gpl のパレットをパレットエディタで開きます\n"
                "  --pick              画面の色をクリックで取り、標準出力に書いて終わります\n"
                "                      (Esc キーか右クリックで取り消し)\n"
                "  --format 書式       --pick の書式: %1\n"
                "                      (既定: hex = #RRGGBB)\n"
                "  --lang ja|en        表示の言語 (既定: デスクトップの言語から)\n"
                "  --help, -h          この説明を表示します\n"
                "  --version           バージョンを表示します\n"
                "\n"
                "終了コード: 0 色を取った / 1 取り消した / 2 コマンドラインの誤り / 3 取れなかった\n"),
             formats);
}

} // namespace hb
