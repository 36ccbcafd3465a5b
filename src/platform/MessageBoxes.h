#pragma once
// Message boxes behind one seam, so that tests answer them without a person.
// The four kinds carry the captions "警告", "エラー", "情報" and "確認"; plain
// notices carry the application's title.

#include <deque>
#include <memory>
#include <utility>
#include <exception>
#include <string>
#include <vector>

#include "values/ScopedStandIn.h"

class QAbstractButton;
class QMessageBox;
class QWidget;

namespace hb {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtNotice };

enum TMsgDlgBtn : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = unsigned;

enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

struct TMessageRequest {
  TMsgDlgType type = TMsgDlgType::mtNotice;
  std::string caption;  // UTF-8
  std::string text;     // UTF-8
  TMsgDlgButtons buttons = mbOK;
};

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows the box and returns the button chosen (a TModalResult).
  virtual int Show(const TMessageRequest& request) = 0;
};

// The box the real service shows for a request, built but not shown. Its
// text is plain: a path or a message holding "<" or "&" shows as written,
// never as markup. Each button comes with the answer it gives.
struct TBuiltMessageBox {
  std::unique_ptr<QMessageBox> box;
  std::vector<std::pair<QAbstractButton*, int>> answers;
  int escapeAnswer = 0;  // what closing the box with Escape answers
};
TBuiltMessageBox BuildMessageBox(const TMessageRequest& request, QWidget* parent);

// A box of one of the four kinds, with the buttons given. Returns the answer;
// closing the box with Escape answers Cancel, else No, else OK.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

// A plain notice with the application's title and an OK button.
void ShowMessage(const std::string& text);

// The box for an error that a command did not handle: error icon, the
// application's title, the error's own text, OK.
void ShowException(const std::exception& error);

// Tests install their own service; nullptr restores the real one.
void SetMessageBoxServiceForTesting(MessageBoxService* service);

// Caption of a kind of box (the application's title for a notice).
std::string CaptionFor(TMsgDlgType type);

// Records every box and answers from a queue (OK, or the first button offered,
// when the queue is empty).
class RecordingMessageBoxes : public MessageBoxService {
 public:
  int Show(const TMessageRequest& request) override;
  std::vector<TMessageRequest> shown;
  std::deque<int> answers;
};

// Installs a RecordingMessageBoxes for the lifetime of the guard.
class ScopedMessageBoxes {
 public:
  RecordingMessageBoxes boxes;

 private:
  TScopedStandIn<MessageBoxService, &SetMessageBoxServiceForTesting> in_{boxes};
};

} // namespace hb
