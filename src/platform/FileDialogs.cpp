#include "platform/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace hb {

namespace {

class QtFileDialogs : public FileDialogService {
 public:
  std::optional<std::string> Show(const FileDialogRequest& request) override {
    const QString dir = QString::fromStdString(request.initialDir);
    const QString filter = QString::fromStdString(QtFileFilter(request.filter));
    QString chosen;
    if (request.kind == FileDialogKind::Open) {
      chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), dir, filter);
    } else {
      // No suffix is added (none is set) and an existing file is replaced
      // without a question, as the save command promises.
      chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), dir, filter,
                                            nullptr, QFileDialog::DontConfirmOverwrite);
    }
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
  }
};

FileDialogService* g_testService = nullptr;

FileDialogService& Service() {
  if (g_testService) return *g_testService;
  static QtFileDialogs real;
  return real;
}

} // namespace

std::string QtFileFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString masks = parts[i + 1];
    masks.replace(QLatin1Char(';'), QLatin1Char(' '));
    out << parts[i] + QStringLiteral(" (") + masks + QLatin1Char(')');
  }
  return out.join(QStringLiteral(";;")).toStdString();
}

std::optional<std::string> OpenFileDialog(const std::string& filter, const std::string& initialDir) {
  return Service().Show({FileDialogKind::Open, filter, initialDir});
}

std::optional<std::string> SaveFileDialog(const std::string& filter, const std::string& initialDir) {
  return Service().Show({FileDialogKind::Save, filter, initialDir});
}

void SetFileDialogServiceForTesting(FileDialogService* service) { g_testService = service; }

std::optional<std::string> RecordingFileDialogs::Show(const FileDialogRequest& request) {
  shown.push_back(request);
  if (answers.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

} // namespace hb
