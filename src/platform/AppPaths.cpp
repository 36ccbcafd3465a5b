#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QFileInfo>

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

} // namespace hb
