#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <stdexcept>
#include "text/Translate.h"

namespace hb {

namespace {

const char* const kCannotOpen = QT_TRANSLATE_NOOP("Clipboard", "クリップボードを開けません");

class QtClipboard : public ClipboardService {
 public:
  void SetText(const std::string& text) override {
    QClipboard* clipboard = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::clipboard()
                                : nullptr;
    if (!clipboard) throw std::runtime_error(Tr("Clipboard", kCannotOpen));
    // setText replaces the whole content: other formats do not survive it.
    clipboard->setText(QString::fromUtf8(text.data(), qsizetype(text.size())), QClipboard::Clipboard);
  }
  std::string Text() override {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return {};
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard).toStdString();
  }
};

ClipboardService* g_testService = nullptr;

} // namespace

ClipboardService& TheClipboard() {
  if (g_testService) return *g_testService;
  static QtClipboard real;
  return real;
}

void SetClipboardServiceForTesting(ClipboardService* service) { g_testService = service; }

void FakeClipboard::SetText(const std::string& value) {
  ++writes;
  if (failWrites) throw std::runtime_error(Tr("Clipboard", kCannotOpen));
  text = value;
}

} // namespace hb
