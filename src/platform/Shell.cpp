#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace hb {

namespace {
std::function<bool(const QUrl&)>& Handler() {
  static std::function<bool(const QUrl&)> handler;
  return handler;
}
} // namespace

bool ShellOpen(const std::string& target) {
  const QString text = QString::fromStdString(target);
  QUrl url;
  if (text.startsWith('/')) {
    if (!QFileInfo::exists(text)) return false;
    url = QUrl::fromLocalFile(text);
  } else {
    url = QUrl(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) return false;
  }
  if (Handler()) return Handler()(url);
  return QDesktopServices::openUrl(url);
}

void SetShellOpenHandlerForTesting(std::function<bool(const QUrl&)> handler) {
  Handler() = std::move(handler);
}

} // namespace hb
