#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include "text/Translate.h"

namespace hb {

namespace {

class QtMessageBoxes : public MessageBoxService {
 public:
  int Show(const TMessageRequest& request) override {
    TBuiltMessageBox built = BuildMessageBox(request, QApplication::activeWindow());
    built.box->exec();
    for (const auto& [button, result] : built.answers)
      if (built.box->clickedButton() == button) return result;
    return built.escapeAnswer;
  }
};

MessageBoxService* g_testService = nullptr;

MessageBoxService& Service() {
  if (g_testService) return *g_testService;
  static QtMessageBoxes real;
  return real;
}

} // namespace

TBuiltMessageBox BuildMessageBox(const TMessageRequest& request, QWidget* parent) {
  TBuiltMessageBox built;
  built.box = std::make_unique<QMessageBox>(parent);
  QMessageBox& box = *built.box;
  box.setWindowTitle(QString::fromStdString(request.caption));
  // Messages carry paths and user text: never read them as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(request.text));
  switch (request.type) {
    case TMsgDlgType::mtWarning: box.setIcon(QMessageBox::Warning); break;
    case TMsgDlgType::mtError: box.setIcon(QMessageBox::Critical); break;
    case TMsgDlgType::mtInformation: box.setIcon(QMessageBox::Information); break;
    case TMsgDlgType::mtConfirmation: box.setIcon(QMessageBox::Question); break;
    case TMsgDlgType::mtNotice: box.setIcon(QMessageBox::NoIcon); break;
  }
  struct Choice {
    TMsgDlgBtn flag;
    const char* caption;
    QMessageBox::ButtonRole role;
    int result;
  };
  static const Choice kChoices[] = {
      {mbYes, QT_TRANSLATE_NOOP("MessageBoxes", "はい(&Y)"), QMessageBox::YesRole, mrYes},
      {mbNo, QT_TRANSLATE_NOOP("MessageBoxes", "いいえ(&N)"), QMessageBox::NoRole, mrNo},
      {mbOK, "OK", QMessageBox::AcceptRole, mrOk},
      {mbCancel, QT_TRANSLATE_NOOP("MessageBoxes", "キャンセル"), QMessageBox::RejectRole, mrCancel},
  };
  QAbstractButton* escape = nullptr;
  built.escapeAnswer = mrNone;
  for (const Choice& c : kChoices) {
    if (!(request.buttons & c.flag)) continue;
    QPushButton* b = box.addButton(QCoreApplication::translate("MessageBoxes", c.caption), c.role);
    if (built.answers.empty()) box.setDefaultButton(b);
    built.answers.emplace_back(b, c.result);
    // Escape answers Cancel when offered, else No, else OK.
    if (c.result == mrCancel || (c.result == mrNo && built.escapeAnswer != mrCancel) ||
        (c.result == mrOk && built.escapeAnswer == mrNone)) {
      escape = b;
      built.escapeAnswer = c.result;
    }
  }
  if (escape) box.setEscapeButton(escape);
  return built;
}

std::string CaptionFor(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning: return Tr("MessageBoxes", "警告");
    case TMsgDlgType::mtError: return Tr("MessageBoxes", "エラー");
    case TMsgDlgType::mtInformation: return Tr("MessageBoxes", "情報");
    case TMsgDlgType::mtConfirmation: return Tr("MessageBoxes", "確認");
    case TMsgDlgType::mtNotice: break;
  }
  const QString title = QApplication::applicationName();
  return title.isEmpty() ? "Huebrook" : title.toStdString();
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  return Service().Show({type, CaptionFor(type), text, buttons});
}

void ShowMessage(const std::string& text) {
  Service().Show({TMsgDlgType::mtNotice, CaptionFor(TMsgDlgType::mtNotice), text, mbOK});
}

void ShowException(const std::exception& error) {
  Service().Show({TMsgDlgType::mtError, CaptionFor(TMsgDlgType::mtNotice), error.what(), mbOK});
}

void SetMessageBoxServiceForTesting(MessageBoxService* service) { g_testService = service; }

int RecordingMessageBoxes::Show(const TMessageRequest& request) {
  shown.push_back(request);
  if (!answers.empty()) {
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  if (request.buttons & mbOK) return mrOk;
  if (request.buttons & mbYes) return mrYes;
  return mrCancel;
}

} // namespace hb
