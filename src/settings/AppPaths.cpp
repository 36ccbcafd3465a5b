#include "settings/AppPaths.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdlib>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#ifndef HB_INSTALL_BINDIR
#define HB_INSTALL_BINDIR "bin"
#endif
#ifndef HB_INSTALL_DATADIR
#define HB_INSTALL_DATADIR "share"
#endif

namespace hb {

std::string ExecutablePath() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath().toStdString();
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().toStdString();
}

// "/" and "." never occur inside a UTF-8 multi-byte character, so byte searches are exact here.
std::string FolderOf(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string SettingsPathFor(std::string_view executablePath) {
  const auto slash = executablePath.rfind('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  const auto dot = executablePath.rfind('.');
  if (dot != std::string_view::npos && dot > nameStart)
    return std::string(executablePath.substr(0, dot + 1)) + "ini";
  return std::string(executablePath) + ".ini";
}

namespace {

constexpr const char* kProgramFolder = "huebrook";
constexpr const char* kUserSettingsName = "huebrook.ini";

// The base directories accept absolute paths only; anything else is ignored.
bool IsAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

// A folder path ending in exactly one "/", with doubled slashes and "."
// components gone, so that two spellings of one folder compare equal. Bytes
// are kept as they are: a file name need not be valid UTF-8.
std::string AsFolder(std::string_view path) {
  std::string out;
  out.reserve(path.size() + 1);
  std::size_t i = 0;
  while (i < path.size()) {
    if (path[i] == '/') {
      if (out.empty() || out.back() != '/') out += '/';
      ++i;
      continue;
    }
    std::size_t end = path.find('/', i);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view part = path.substr(i, end - i);
    if (part != ".") {
      out.append(part);
      out += '/';
    }
    i = end;
  }
  if (out.empty()) out = "/";
  return out;
}

std::string Join(std::string_view folder, std::string_view name) {
  return AsFolder(std::string(folder) + "/" + std::string(name));
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Whether files can be created in the folder (by this user, on this mount).
bool IsWritableFolder(const std::string& folder) {
  return IsFolder(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// <prefix>/share/huebrook/ when the executable's folder is <prefix>/bin/ and
// that folder exists; empty otherwise (a build folder, a portable copy).
std::string InstallDataFolder(const std::string& executableFolder) {
  const std::string tail = AsFolder("/" HB_INSTALL_BINDIR);
  if (executableFolder.size() <= tail.size() ||
      executableFolder.compare(executableFolder.size() - tail.size(), tail.size(), tail) != 0)
    return {};
  const std::string prefix = executableFolder.substr(0, executableFolder.size() - tail.size() + 1);
  const std::string folder = Join(Join(prefix, HB_INSTALL_DATADIR), kProgramFolder);
  return IsFolder(folder) ? folder : std::string();
}

// A user base directory: the variable when it holds an absolute path, else the
// default below the home folder, else none.
std::string UserBase(const std::string& variable, const std::string& home, std::string_view defaultBelowHome) {
  if (IsAbsolute(variable)) return AsFolder(variable);
  if (IsAbsolute(home)) return Join(home, defaultBelowHome);
  return {};
}

} // namespace

TProgramFolders ResolveProgramFolders(const TPathEnvironment& env, std::string_view executablePath) {
  TProgramFolders f;
  const std::string exeFolder = FolderOf(executablePath);
  f.executableFolder = exeFolder;
  const std::string besideSettings = SettingsPathFor(executablePath);
  const std::string prefixData = InstallDataFolder(exeFolder);
  f.portable = IsWritableFolder(exeFolder);
  f.installed = !f.portable || !prefixData.empty();

  const std::string dataHome = UserBase(env.xdgDataHome, env.home, ".local/share");
  const std::string configHome = UserBase(env.xdgConfigHome, env.home, ".config");
  if (!dataHome.empty()) f.userDataFolder = Join(dataHome, kProgramFolder);

  std::set<std::string> seen;
  auto add = [&](const std::string& folder) {
    if (!folder.empty() && seen.insert(folder).second) f.dataFolders.push_back(folder);
  };
  add(exeFolder);
  if (f.installed) {
    add(f.userDataFolder);
    std::string_view dirs = env.xdgDataDirs;
    if (dirs.empty()) dirs = "/usr/local/share/:/usr/share/";
    while (!dirs.empty()) {
      const auto colon = dirs.find(':');
      const std::string_view entry = dirs.substr(0, colon);
      if (IsAbsolute(entry)) add(Join(entry, kProgramFolder));
      dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    }
    add(prefixData);
  }

  if (f.portable || configHome.empty()) {
    // Portable, or no user folder to go to: the settings file beside the
    // executable, where a failed write names the path it tried.
    f.settingsRead = f.settingsWrite = besideSettings;
  } else {
    const std::string user = Join(configHome, kProgramFolder) + kUserSettingsName;
    f.settingsWrite = user;
    // A file beside a read-only executable is the system-wide default until
    // the user has one of their own.
    f.settingsRead = !IsFile(user) && IsFile(besideSettings) ? besideSettings : user;
  }

  f.paletteFolder = f.portable || f.userDataFolder.empty() ? exeFolder : f.userDataFolder;
  return f;
}

TPathEnvironment ProcessEnvironment() {
  auto get = [](const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
  };
  TPathEnvironment env;
  env.home = get("HOME");
  if (!IsAbsolute(env.home)) {
    env.home.clear();
    // Without a usable $HOME the account's own home folder stands in.
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? static_cast<std::size_t>(size) : 16384, '\0');
    struct passwd entry {};
    struct passwd* result = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result &&
        IsAbsolute(result->pw_dir ? result->pw_dir : ""))
      env.home = result->pw_dir;
  }
  env.xdgDataHome = get("XDG_DATA_HOME");
  env.xdgDataDirs = get("XDG_DATA_DIRS");
  env.xdgConfigHome = get("XDG_CONFIG_HOME");
  return env;
}

namespace {
TProgramFolders* standIn = nullptr;
} // namespace

TProgramFolders CurrentProgramFolders() {
  return standIn ? *standIn : ResolveProgramFolders(ProcessEnvironment(), ExecutablePath());
}

ScopedProgramFolders::ScopedProgramFolders(TProgramFolders folders)
    : previous_(standIn), folders_(std::move(folders)) {
  standIn = &folders_;
}

ScopedProgramFolders::~ScopedProgramFolders() { standIn = previous_; }

std::string FindDataFile(const std::vector<std::string>& folders, std::string_view name) {
  for (const std::string& folder : folders) {
    std::string path = folder + std::string(name);
    if (IsFile(path)) return path;
  }
  return {};
}

bool MakeFolder(const std::string& folder) {
  if (!IsAbsolute(folder)) return false;
  const std::string clean = AsFolder(folder);
  for (std::size_t slash = clean.find('/', 1); slash != std::string::npos; slash = clean.find('/', slash + 1)) {
    const std::string part = clean.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && !IsFolder(part)) return false;
  }
  return IsFolder(clean);
}

std::string SettingsFileForWrite() {
  const TProgramFolders f = CurrentProgramFolders();
  if (!f.portable) MakeFolder(FolderOf(f.settingsWrite));
  return f.settingsWrite;
}

std::string PaletteFolderForDialogs() {
  const TProgramFolders f = CurrentProgramFolders();
  if (f.paletteFolder != f.executableFolder && !MakeFolder(f.paletteFolder)) return f.executableFolder;
  return f.paletteFolder;
}

} // namespace hb
