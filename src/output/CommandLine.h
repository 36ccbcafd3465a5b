#pragma once
// The program's command line: nothing (the main window), a palette file to
// open in the editor, or --pick, which prints one colour picked from the
// screen in a chosen notation and ends. Qt's own options (-display,
// -platform, ...) pass through to Qt.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hb {

struct TCommandLine {
  enum class Mode { Window, Pick, Help, Version, Error };
  Mode mode = Mode::Window;
  // With Window: a palette file to open in the editor (empty for none).
  std::string file;
  // With Pick: the notation's name, one of PickFormats().
  std::string format = "hex";
  // --lang: "ja" or "en"; empty to follow the desktop's languages.
  std::string lang;
  // With Error: what was wrong, one line, as written in the program (a
  // source text for Tr with %1 standing for errorArg); see CommandError.
  std::string error;
  std::string errorArg;
};

// args without the program's name.
TCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The notations --format takes, in the order the help lists them.
const std::vector<std::string_view>& PickFormats();

// The colour in the named notation (the clipboard's own functions; "hex" is
// #RRGGBB in upper case); nothing for a name that is none.
std::optional<std::string> PickedColorText(std::string_view format, int R, int G, int B);

// The error in the interface's language.
std::string CommandError(const TCommandLine& line);

// The one-line usage, and the whole help text (both end with a line break),
// in the interface's language.
std::string CommandUsage();
std::string CommandHelp();

// Exit statuses of --pick and of a bad command line.
inline constexpr int kExitPicked = 0;
inline constexpr int kExitCancelled = 1;
inline constexpr int kExitUsage = 2;

} // namespace hb
