#pragma once
// The program's own path and the files that live beside it.

#include <string>
#include <string_view>

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

} // namespace hb
