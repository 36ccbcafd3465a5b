#pragma once
// The open and save file dialogs behind one seam, so that tests choose a file
// (or cancel) without a person.

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace hb {

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::Open;
  // Pairs of description and mask separated by "|": "Text files|*.txt|All|*".
  std::string filter;
  std::string initialDir;  // UTF-8; empty for the dialog's own choice
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The chosen path (UTF-8), or nothing when the user cancels.
  virtual std::optional<std::string> Show(const FileDialogRequest& request) = 0;
};

// The open dialog: an existing file. Nothing when cancelled.
std::optional<std::string> OpenFileDialog(const std::string& filter, const std::string& initialDir = {});

// The save dialog: the name exactly as chosen, with no extension added and no
// question before an existing file is replaced. Nothing when cancelled.
std::optional<std::string> SaveFileDialog(const std::string& filter, const std::string& initialDir = {});

// The filter in the form of Qt's file dialogs: "Text files (*.txt);;All (*)".
std::string QtFileFilter(const std::string& filter);

// Tests install their own service; nullptr restores the real dialogs.
void SetFileDialogServiceForTesting(FileDialogService* service);

// Records every dialog and answers from a queue (cancel when it is empty).
class RecordingFileDialogs : public FileDialogService {
 public:
  std::optional<std::string> Show(const FileDialogRequest& request) override;
  std::vector<FileDialogRequest> shown;
  std::deque<std::optional<std::string>> answers;
};

// Installs a RecordingFileDialogs for the lifetime of the guard.
class ScopedFileDialogs {
 public:
  ScopedFileDialogs() { SetFileDialogServiceForTesting(&dialogs); }
  ~ScopedFileDialogs() { SetFileDialogServiceForTesting(nullptr); }
  ScopedFileDialogs(const ScopedFileDialogs&) = delete;
  ScopedFileDialogs& operator=(const ScopedFileDialogs&) = delete;
  RecordingFileDialogs dialogs;
};

} // namespace hb
