#pragma once
// The INI (profile) routines: the settings file and the palette plug-in files
// are read and written through this class, with the semantics of the Windows
// profile routines (see IniDocument.h) and writes that reach the disk whole.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "settings/IniDocument.h"

namespace hb {

// A write that did not reach the file. The message is shown to the user as is.
class IniWriteError : public std::runtime_error {
 public:
  explicit IniWriteError(const std::string& path);
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Test seam: called while a file is replaced, between the chunks of the
// temporary file (Chunk, with the bytes written so far), once it is all
// written (Written) and once it is synced and closed, just before it is
// renamed over the old file (Synced). Anything the hook throws fails the write
// as a real I/O error would. An empty hook (the default) does nothing.
enum class TIniWriteStage { Chunk, Written, Synced };
using IniWriteHook = std::function<void(TIniWriteStage stage, std::size_t bytesWritten)>;
void SetIniWriteHook(IniWriteHook hook);

// Replaces the file at path with bytes: a temporary file in the same folder
// is written, synced, given the old file's permissions and renamed over it.
// Throws IniWriteError; no temporary file is left behind then.
//
// Not QSaveFile, which does the same in outline but does not sync the folder
// after the rename (so the new name may not survive a power cut), does not
// keep the old file's owner, and has no place for the stage hook that the
// crash tests stop a write at.
//
// A path that is a symbolic link (or a chain of them) writes the file it
// points to and keeps the link; a dangling link's target is created.
//
// The temporary file is named ".<name>.<pid>-<n>.tmp". A writer killed
// before its rename leaves it behind, so every write first removes such files
// beside the target whose process is gone, or that nobody has touched for a
// minute; a live writer's file is never removed.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Larger files are not settings or palettes: they read as empty and refuse
// writes, so nothing in them is lost.
inline constexpr std::size_t kIniMaxFileSize = 64 * 1024 * 1024;

class TIniFile {
 public:
  // Reads the file. A missing file reads as empty; a file that cannot be read
  // or is larger than kIniMaxFileSize reads as empty too, and refuses writes
  // rather than replace content it never saw.
  explicit TIniFile(std::string path);

  const std::string& FileName() const { return path_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t defaultValue) const;
  std::vector<std::string> ReadSections() const;

  // Outside a batch each of these replaces the file at once; inside one the
  // change waits for the batch's end. Throw IniWriteError (also for a name or
  // value that cannot be stored in an INI file, which changes nothing).
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  // Empties the content: the way to replace a whole file, in one batch with
  // the writes that follow, so that it is never seen deleted or half-written.
  void Clear();

  // A batch: writes between BeginUpdate and the matching EndUpdate reach the
  // file as one replacement, at the outermost EndUpdate (which throws
  // IniWriteError when it fails; the changes then stay pending). CancelUpdate
  // ends a batch without writing; at the outermost level it drops every change
  // not yet on disk by reading the file again.
  void BeginUpdate();
  void EndUpdate();
  void CancelUpdate() noexcept;

  // The same as a scope: Commit ends the batch; leaving the scope without it
  // (by an exception) cancels it.
  class Batch {
   public:
    explicit Batch(TIniFile& file) : file_(file) { file_.BeginUpdate(); }
    ~Batch() {
      if (open_) file_.CancelUpdate();
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    void Commit() {
      open_ = false;
      file_.EndUpdate();
    }

   private:
    TIniFile& file_;
    bool open_ = true;
  };

  // The encoding the file has now and will be written in.
  TextEncoding Encoding() const { return doc_.Encoding(); }

 private:
  void Load();
  void Changed();
  void Save();

  std::string path_;
  TIniDocument doc_;
  int depth_ = 0;
  bool dirty_ = false;
  bool unreadable_ = false;
};

} // namespace hb
