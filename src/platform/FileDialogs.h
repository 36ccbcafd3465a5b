#pragma once
// The file dialogs behind one seam, so that tests answer them without a person.
// TSaveDialog is the component a window keeps (filter, default extension,
// options, the chosen name); Execute shows the dialog through the seam.
// OpenFileDialog and SaveFileDialog are the plain path choosers of the editor.

#include <QFileDialog>
#include <QObject>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "settings/FileFilter.h"

#include "values/ScopedStandIn.h"

namespace hb {

enum TSaveDialogOption : unsigned {
  ofOverwritePrompt = 1,   // ask before replacing an existing file
  ofPathMustExist = 2,     // the folder must exist
  ofNoReadOnlyReturn = 4,  // refuse a file that cannot be written
};

struct TSaveDialogRequest {
  std::string title;       // empty: the platform's own
  std::string filter;      // "description|pattern|..."
  int filterIndex = 1;     // 1-based, the filter selected at first
  std::string defaultExt;  // for a name typed without extension, when the filter has none
  std::string initialDir;  // empty: the platform's default
  std::string fileName;
  unsigned options = 0;
};

struct TSaveDialogAnswer {
  std::string fileName;  // UTF-8, absolute, with the extension the dialog gave it
  int filterIndex = 1;
};

enum class TFileDialogKind { Open, Save };

// A plain path chooser: no extension added, no question before replacing.
struct TFileDialogRequest {
  TFileDialogKind kind = TFileDialogKind::Open;
  std::string filter;      // "description|pattern|..."
  std::string initialDir;  // UTF-8; empty for the dialog's own choice
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // Nothing when the user cancels.
  virtual std::optional<TSaveDialogAnswer> Save(QWidget* parent, const TSaveDialogRequest& request) = 0;
  // The chosen path (UTF-8), or nothing when the user cancels.
  virtual std::optional<std::string> Show(const TFileDialogRequest& request) = 0;
};

// The open dialog: an existing file. Nothing when cancelled.
std::optional<std::string> OpenFileDialog(const std::string& filter, const std::string& initialDir = {});

// The save dialog: the name exactly as chosen, with no extension added and no
// question before an existing file is replaced. Nothing when cancelled.
std::optional<std::string> SaveFileDialog(const std::string& filter, const std::string& initialDir = {});

// The filter in the form of Qt's file dialogs: "Text files (*.txt);;All (*)".
std::string QtFileFilter(const std::string& filter);

// Tests install their own service; nullptr restores the real one.
void SetFileDialogServiceForTesting(FileDialogService* service);

class TSaveDialog : public QObject {
  Q_OBJECT
 public:
  explicit TSaveDialog(QWidget* owner) : QObject(owner), owner_(owner) {}
  std::string Title;
  std::string Filter;
  int FilterIndex = 1;
  std::string DefaultExt;
  std::string InitialDir;
  std::string FileName;
  unsigned Options = ofOverwritePrompt | ofPathMustExist | ofNoReadOnlyReturn;
  // Shows the dialog; true with FileName and FilterIndex set when the user
  // chose a file, false when cancelled.
  bool Execute();

 private:
  QWidget* owner_;
};

// The dialog the real service shows: Qt's own file dialog (the same on every
// desktop), in Japanese, with the rules of the request applied when the user
// accepts a name: the filter's extension added to a name typed without one,
// then the folder, read-only and overwrite checks, each answered through the
// message-box seam. Declining any of them keeps the dialog open.
class TSaveFileDialog : public QFileDialog {
  Q_OBJECT
 public:
  TSaveFileDialog(QWidget* parent, const TSaveDialogRequest& request);
  // The accepted name; empty until the dialog is accepted.
  const std::string& ChosenFile() const { return chosen_; }
  int ChosenFilterIndex() const;
  void accept() override;

 private:
  TSaveDialogRequest request_;
  std::vector<TFileFilter> filters_;
  QStringList qtFilters_;
  std::string chosen_;
};

// Records every request and answers from a queue; an empty queue cancels.
class RecordingFileDialogs : public FileDialogService {
 public:
  std::optional<TSaveDialogAnswer> Save(QWidget* parent, const TSaveDialogRequest& request) override;
  std::optional<std::string> Show(const TFileDialogRequest& request) override;
  std::vector<TSaveDialogRequest> requests;
  std::deque<std::optional<TSaveDialogAnswer>> answers;
  // The plain choosers' requests and answers.
  std::vector<TFileDialogRequest> shown;
  std::deque<std::optional<std::string>> pathAnswers;
};

// The stand-in in place for the scope.
class ScopedFileDialogs {
 public:
  RecordingFileDialogs dialogs;

 private:
  TScopedStandIn<FileDialogService, &SetFileDialogServiceForTesting> in_{dialogs};
};

} // namespace hb
