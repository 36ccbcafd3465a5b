#pragma once
// The save dialog behind a seam, so that tests answer it without a person.
// TSaveDialog is the component a window keeps (filter, default extension,
// options, the chosen name); Execute shows the dialog through the seam.

#include <QFileDialog>
#include <QObject>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileFilter.h"

namespace hb {

enum TSaveDialogOption : unsigned {
  ofOverwritePrompt = 1,   // ask before replacing an existing file
  ofPathMustExist = 2,     // the folder must exist
  ofNoReadOnlyReturn = 4,  // refuse a file that cannot be written
};

struct SaveDialogRequest {
  std::string title;       // empty: the platform's own
  std::string filter;      // "description|pattern|..."
  int filterIndex = 1;     // 1-based, the filter selected at first
  std::string defaultExt;  // for a name typed without extension, when the filter has none
  std::string initialDir;  // empty: the platform's default
  std::string fileName;
  unsigned options = 0;
};

struct SaveDialogAnswer {
  std::string fileName;  // UTF-8, absolute, with the extension the dialog gave it
  int filterIndex = 1;
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // Nothing when the user cancels.
  virtual std::optional<SaveDialogAnswer> Save(QWidget* parent, const SaveDialogRequest& request) = 0;
};

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
  TSaveFileDialog(QWidget* parent, const SaveDialogRequest& request);
  // The accepted name; empty until the dialog is accepted.
  const std::string& ChosenFile() const { return chosen_; }
  int ChosenFilterIndex() const;
  void accept() override;

 private:
  SaveDialogRequest request_;
  std::vector<TFileFilter> filters_;
  QStringList qtFilters_;
  std::string chosen_;
};

// Records every request and answers from a queue; an empty queue cancels.
class RecordingFileDialogs : public FileDialogService {
 public:
  std::optional<SaveDialogAnswer> Save(QWidget* parent, const SaveDialogRequest& request) override;
  std::vector<SaveDialogRequest> requests;
  std::deque<std::optional<SaveDialogAnswer>> answers;
};

class ScopedFileDialogs {
 public:
  ScopedFileDialogs() { SetFileDialogServiceForTesting(&dialogs); }
  ~ScopedFileDialogs() { SetFileDialogServiceForTesting(nullptr); }
  ScopedFileDialogs(const ScopedFileDialogs&) = delete;
  ScopedFileDialogs& operator=(const ScopedFileDialogs&) = delete;
  RecordingFileDialogs dialogs;
};

} // namespace hb
