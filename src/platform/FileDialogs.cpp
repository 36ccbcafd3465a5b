#include "platform/FileDialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include "platform/MessageBoxes.h"
#include "text/Translate.h"

namespace hb {

namespace {

void SetJapaneseLabels(QFileDialog& dialog, bool open) {
  auto label = [](const char* text) { return QCoreApplication::translate("FileDialogs", text); };
  dialog.setLabelText(QFileDialog::LookIn, open ? label(QT_TRANSLATE_NOOP("FileDialogs", "ファイルの場所:"))
                                                : label(QT_TRANSLATE_NOOP("FileDialogs", "保存する場所:")));
  dialog.setLabelText(QFileDialog::FileName, label(QT_TRANSLATE_NOOP("FileDialogs", "ファイル名(&N):")));
  dialog.setLabelText(QFileDialog::FileType, label(QT_TRANSLATE_NOOP("FileDialogs", "ファイルの種類(&T):")));
  dialog.setLabelText(QFileDialog::Accept, open ? label(QT_TRANSLATE_NOOP("FileDialogs", "開く(&O)"))
                                                : label(QT_TRANSLATE_NOOP("FileDialogs", "保存(&S)")));
  dialog.setLabelText(QFileDialog::Reject, label(QT_TRANSLATE_NOOP("FileDialogs", "キャンセル")));
}

class QtFileDialogs : public FileDialogService {
 public:
  std::optional<TSaveDialogAnswer> Save(QWidget* parent, const TSaveDialogRequest& request) override {
    TSaveFileDialog dialog(parent, request);
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenFile().empty()) return std::nullopt;
    return TSaveDialogAnswer{dialog.ChosenFile(), dialog.ChosenFilterIndex()};
  }

  std::optional<std::string> Show(const TFileDialogRequest& request) override {
    const bool open = request.kind == TFileDialogKind::Open;
    QFileDialog dialog(QApplication::activeWindow(), QString(), QString::fromStdString(request.initialDir),
                       QString::fromStdString(QtFileFilter(request.filter)));
    // Qt's own dialog, so that it speaks Japanese like the rest of the program.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowTitle(open ? QCoreApplication::translate("FileDialogs", "ファイルを開く")
                               : QCoreApplication::translate("FileDialogs", "名前を付けて保存"));
    if (open) {
      dialog.setAcceptMode(QFileDialog::AcceptOpen);
      dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
      // No suffix is added (none is set) and an existing file is replaced
      // without a question, as the editor's save command promises.
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setFileMode(QFileDialog::AnyFile);
      dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    }
    // After the modes, which set the buttons' texts of their own.
    SetJapaneseLabels(dialog, open);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
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

// "ビットマップファイル(*.bmp)" already names its patterns the way Qt reads
// them; anything else gets them appended.
QString QtFilter(const TFileFilter& filter) {
  QString patterns = QString::fromStdString(filter.pattern);
  patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
  const QString description = QString::fromStdString(filter.description);
  if (description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))) return description;
  return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

} // namespace

void SetFileDialogServiceForTesting(FileDialogService* service) { g_testService = service; }

std::string QtFileFilter(const std::string& filter) {
  QStringList out;
  for (const TFileFilter& f : ParseFileFilter(filter)) out << QtFilter(f);
  return out.join(QStringLiteral(";;")).toStdString();
}

std::optional<std::string> OpenFileDialog(const std::string& filter, const std::string& initialDir) {
  return Service().Show({TFileDialogKind::Open, filter, initialDir});
}

std::optional<std::string> SaveFileDialog(const std::string& filter, const std::string& initialDir) {
  return Service().Show({TFileDialogKind::Save, filter, initialDir});
}

bool TSaveDialog::Execute() {
  const TSaveDialogRequest request{Title, Filter, FilterIndex, DefaultExt, InitialDir, FileName, Options};
  const std::optional<TSaveDialogAnswer> answer = Service().Save(owner_, request);
  if (!answer) return false;
  FileName = answer->fileName;
  FilterIndex = answer->filterIndex;
  return true;
}

TSaveFileDialog::TSaveFileDialog(QWidget* parent, const TSaveDialogRequest& request)
    : QFileDialog(parent), request_(request), filters_(ParseFileFilter(request.filter)) {
  // Qt's own dialog: a desktop's native one would skip the checks below.
  setOption(QFileDialog::DontUseNativeDialog, true);
  // Asked in accept(), after the extension is added, in Japanese.
  setOption(QFileDialog::DontConfirmOverwrite, true);
  setAcceptMode(QFileDialog::AcceptSave);
  setFileMode(QFileDialog::AnyFile);
  setWindowTitle(request.title.empty() ? QCoreApplication::translate("FileDialogs", "名前を付けて保存") : QString::fromStdString(request.title));
  SetJapaneseLabels(*this, false);
  for (const TFileFilter& filter : filters_) qtFilters_ << QtFilter(filter);
  if (!qtFilters_.isEmpty()) {
    setNameFilters(qtFilters_);
    selectNameFilter(qtFilters_.value(request.filterIndex - 1, qtFilters_.first()));
  }
  if (!request.initialDir.empty()) setDirectory(QString::fromStdString(request.initialDir));
  if (!request.fileName.empty()) selectFile(QString::fromStdString(request.fileName));
}

int TSaveFileDialog::ChosenFilterIndex() const {
  const int at = int(qtFilters_.indexOf(selectedNameFilter()));
  return at < 0 ? 1 : at + 1;
}

void TSaveFileDialog::accept() {
  const QStringList files = selectedFiles();
  if (files.isEmpty() || files.first().isEmpty()) return;
  const QFileInfo typed(files.first());
  // A folder's name opens that folder, as a double click would.
  if (typed.isDir()) {
    setDirectory(typed.absoluteFilePath());
    selectFile(QString());
    return;
  }
  const int index = ChosenFilterIndex();
  const std::string pattern = index - 1 < int(filters_.size()) ? filters_[std::size_t(index - 1)].pattern : "";
  const std::string name = WithDefaultExtension(typed.absoluteFilePath().toStdString(), pattern, request_.defaultExt);
  const QFileInfo file(QString::fromStdString(name));
  const std::string shown = file.fileName().toStdString();

  if ((request_.options & ofPathMustExist) && !file.absoluteDir().exists()) {
    MessageDlg(Arg(Tr("FileDialogs", "%1\nパスが存在しません。\nパスが正しいかどうかを確認してください。"), shown), TMsgDlgType::mtWarning, mbOK);
    return;
  }
  if (file.isDir()) {
    setDirectory(file.absoluteFilePath());
    selectFile(QString());
    return;
  }
  if (file.exists()) {
    if ((request_.options & ofNoReadOnlyReturn) && !file.isWritable()) {
      MessageDlg(Arg(Tr("FileDialogs", "%1\nこのファイルは読み取り専用に設定されています。\n別の名前を使用してください。"), shown),
                 TMsgDlgType::mtWarning, mbOK);
      return;
    }
    if ((request_.options & ofOverwritePrompt) &&
        MessageDlg(Arg(Tr("FileDialogs", "%1 は既に存在します。\n上書きしますか?"), shown), TMsgDlgType::mtConfirmation, mbYes | mbNo) != mrYes)
      return;
  }
  chosen_ = name;
  done(QDialog::Accepted);
}

std::optional<TSaveDialogAnswer> RecordingFileDialogs::Save(QWidget*, const TSaveDialogRequest& request) {
  requests.push_back(request);
  if (answers.empty()) return std::nullopt;
  std::optional<TSaveDialogAnswer> answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> RecordingFileDialogs::Show(const TFileDialogRequest& request) {
  shown.push_back(request);
  if (pathAnswers.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(pathAnswers.front());
  pathAnswers.pop_front();
  return answer;
}

} // namespace hb
