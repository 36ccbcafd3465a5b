#pragma once
// The program's own path and where its files are found: beside the executable
// while that folder is writable (the portable layout), and in the user's and
// the system's folders of the desktop's base directories when it runs
// installed. Every other part of the program asks here.

#include <string>
#include <string_view>
#include <vector>

namespace hb {

// The executable's real path (UTF-8).
std::string ExecutablePath();

// The folder of a path, with its trailing "/" ("/opt/hb/huebrook" gives "/opt/hb/").
std::string FolderOf(std::string_view path);

// The settings file for an executable: the extension of its file name replaced
// by "ini", or ".ini" appended when the name has none ("/opt/hb/huebrook" gives
// "/opt/hb/huebrook.ini", "/opt/hb/app.exe" gives "/opt/hb/app.ini"). A "." in a
// folder name, or leading a hidden file's name, is no extension.
std::string SettingsPathFor(std::string_view executablePath);

// What the folder rules read from the process environment. An empty text
// stands for a variable that is unset or empty; both mean "use the default".
struct TPathEnvironment {
  std::string home;  // the user's home folder
  std::string xdgDataHome;
  std::string xdgDataDirs;
  std::string xdgConfigHome;
};

// Where the program's files are, for one executable in one environment.
// Folders end in "/"; an empty text means there is no such folder (no home).
struct TProgramFolders {
  std::string executableFolder;
  // The executable's folder is writable: everything stays beside it.
  bool portable = false;
  // Runs from an install prefix (<prefix>/bin with <prefix>/share/huebrook) or
  // from a folder it cannot write: the user's and system folders count too.
  bool installed = false;
  // Program data (help page, palettes), searched in this order, no folder twice.
  std::vector<std::string> dataFolders;
  // The user's own data folder: $XDG_DATA_HOME/huebrook/.
  std::string userDataFolder;
  // The settings file to read, and the one to write.
  std::string settingsRead;
  std::string settingsWrite;
  // Where the palette editor's file dialogs open.
  std::string paletteFolder;
};

// The rules themselves: they look at the file system (which folders exist and
// can be written) but never at the process environment.
TProgramFolders ResolveProgramFolders(const TPathEnvironment& env, std::string_view executablePath);

// The real process environment; a missing or relative $HOME is replaced by
// the account's home folder.
TPathEnvironment ProcessEnvironment();

// ResolveProgramFolders for this process, or the stand-in while a
// ScopedProgramFolders lives.
TProgramFolders CurrentProgramFolders();

// While one lives, the program's folders are these instead of those of the
// running executable: tests place the program in any install layout.
class ScopedProgramFolders {
 public:
  explicit ScopedProgramFolders(TProgramFolders folders);
  ~ScopedProgramFolders();
  ScopedProgramFolders(const ScopedProgramFolders&) = delete;
  ScopedProgramFolders& operator=(const ScopedProgramFolders&) = delete;

 private:
  TProgramFolders* previous_;
  TProgramFolders folders_;
};

// The first data folder that holds a file of this name, as a full path, or
// the empty text when none does.
std::string FindDataFile(const std::vector<std::string>& folders, std::string_view name);

// Creates a folder and its missing parents, private to the user as the base
// directories ask. Returns whether the folder exists afterwards.
bool MakeFolder(const std::string& folder);

// The settings file to write now; its folder is created when it is the
// user's, so the first write can succeed. When that fails the write itself
// fails and reports this path.
std::string SettingsFileForWrite();

// The folder where the palette editor's dialogs open, created when it is the
// user's; the executable's folder when no user folder can be had.
std::string PaletteFolderForDialogs();

} // namespace hb
