#include "settings/IniFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <csignal>
#include <ctime>
#include <memory>
#include <optional>
#include <string_view>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include "text/Translate.h"

namespace hb {

namespace {

IniWriteHook& WriteHook() {
  static IniWriteHook hook;
  return hook;
}

void CallHook(TIniWriteStage stage, std::size_t written) {
  if (WriteHook()) WriteHook()(stage, written);
}

// Signals an I/O failure inside WriteFileAtomically; turned into IniWriteError.
struct IoFailure {};

void Check(bool ok) {
  if (!ok) throw IoFailure{};
}

constexpr std::size_t kChunk = 64 * 1024;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting the error close may bring (a delayed write error).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// The temporary files a writer makes for name: "." name "." pid "-" n ".tmp".
std::string TempStem(const std::string& name) { return "." + name.substr(0, 160) + "."; }

// The temporary file: removed again unless it was renamed into place.
class TempFile {
 public:
  TempFile(const std::string& dir, const std::string& name) {
    static std::atomic<unsigned> counter{0};
    // Well inside NAME_MAX however long the real name is; never ending in the
    // extension of the file it stands in for, so no search for those finds it.
    const std::string stem = TempStem(name) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string candidate = dir + "/" + stem + std::to_string(counter++) + ".tmp";
      const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd >= 0) {
        path_ = std::move(candidate);
        fd_ = std::make_unique<FileDescriptor>(fd);
        return;
      }
      if (errno != EEXIST) break;
    }
    throw IoFailure{};
  }
  ~TempFile() {
    fd_.reset();
    if (!renamed_) ::unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  int fd() const { return fd_->get(); }
  bool Close() { return fd_->Close(); }
  const std::string& path() const { return path_; }
  void Renamed() { renamed_ = true; }

 private:
  std::string path_;
  std::unique_ptr<FileDescriptor> fd_;
  bool renamed_ = false;
};

void WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t chunk = std::min(kChunk, bytes.size() - done);
    std::size_t written = 0;
    while (written < chunk) {
      const ssize_t n = ::write(fd, bytes.data() + done + written, chunk - written);
      if (n < 0 && errno == EINTR) continue;
      Check(n > 0);
      written += std::size_t(n);
    }
    done += chunk;
    CallHook(TIniWriteStage::Chunk, done);
  }
}

void SyncFolder(const std::string& dir) {
  FileDescriptor fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  // The new file is in place once the rename is done; syncing the folder only
  // makes that survive a power cut, and some file systems cannot, so a failure
  // here is no failure of the write.
  if (fd.get() >= 0) ::fsync(fd.get());
}

// Replacing a symbolic link by a file would cut the link: the write goes where
// the link points, following a chain of links as open() would, also to a
// target that does not exist yet.
std::string ResolveLinks(std::string path) {
  for (int hops = 0;; ++hops) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    Check(hops < 40);  // a loop, as ELOOP would say
    std::string target(std::size_t(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    Check(n > 0 && std::size_t(n) < target.size());
    target.resize(std::size_t(n));
    if (target[0] != '/') {
      const std::size_t slash = path.rfind('/');
      if (slash != std::string::npos) target = path.substr(0, slash + 1) + target;
    }
    path = std::move(target);
  }
}

// The writer's process id when file is one of those temporary files.
std::optional<pid_t> TempOwner(std::string_view file, std::string_view stem) {
  constexpr std::string_view kExt = ".tmp";
  if (file.size() <= stem.size() + kExt.size() || file.substr(0, stem.size()) != stem ||
      file.substr(file.size() - kExt.size()) != kExt)
    return std::nullopt;
  const std::string_view middle = file.substr(stem.size(), file.size() - stem.size() - kExt.size());
  const std::size_t dash = middle.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash > 9 || dash + 1 == middle.size()) return std::nullopt;
  auto digits = [](std::string_view t) { return t.find_first_not_of("0123456789") == std::string_view::npos; };
  if (!digits(middle.substr(0, dash)) || !digits(middle.substr(dash + 1))) return std::nullopt;
  return pid_t(std::stol(std::string(middle.substr(0, dash))));
}

// Removes what killed writers left beside the target. Best effort: a file
// that cannot be removed is no reason to fail this write.
void RemoveLeftovers(const std::string& dir, const std::string& name) {
  const std::string stem = TempStem(name);
  DIR* d = ::opendir(dir.c_str());
  if (!d) return;
  const std::time_t now = std::time(nullptr);
  while (const dirent* e = ::readdir(d)) {
    const auto owner = TempOwner(e->d_name, stem);
    if (!owner) continue;
    const std::string path = dir + "/" + e->d_name;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    const bool gone = ::kill(*owner, 0) != 0 && errno == ESRCH;
    // A process id can be taken again by another program; a file nobody has
    // written for a minute belongs to no live write.
    const bool stale = now - st.st_mtime > 60;
    if (gone || stale) ::unlink(path.c_str());
  }
  ::closedir(d);
}
} // namespace

IniWriteError::IniWriteError(const std::string& path)
    : std::runtime_error(Arg(Tr("IniFile", "%1 に書き込めません"), path)), path_(path) {}

void SetIniWriteHook(IniWriteHook hook) { WriteHook() = std::move(hook); }

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  try {
    const std::string target = ResolveLinks(path);
    const std::size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    Check(!name.empty());
    RemoveLeftovers(dir, name);

    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
      Check(S_ISREG(old.st_mode));
      // A read-only file stays unchanged, as it would be when written in place.
      Check(::access(target.c_str(), W_OK) == 0);
    }

    TempFile temp(dir, name);
    if (exists) {
      Check(::fchmod(temp.fd(), old.st_mode & 07777) == 0);
      // Keeps the owner where the process may (as root); otherwise the file
      // becomes the writer's, as any rewritten file would.
      if (::fchown(temp.fd(), old.st_uid, old.st_gid) != 0) {
      }
    }
    WriteAll(temp.fd(), bytes);
    CallHook(TIniWriteStage::Written, bytes.size());
    // fsync, not fdatasync: the old file's mode and owner, given to the
    // temporary file above, must reach the disk with the bytes, and for a new
    // file fdatasync has the same journal commit to wait for anyway.
    Check(::fsync(temp.fd()) == 0);
    Check(temp.Close());
    CallHook(TIniWriteStage::Synced, bytes.size());
    Check(::rename(temp.path().c_str(), target.c_str()) == 0);
    temp.Renamed();
    SyncFolder(dir);
  } catch (const IniWriteError&) {
    throw;
  } catch (const IoFailure&) {
    throw IniWriteError(path);
  } catch (const std::exception&) {
    // No memory for the bytes, say: the user is told which file all the same.
    throw IniWriteError(path);
  }
}

TIniFile::TIniFile(std::string path) : path_(std::move(path)) { Load(); }

void TIniFile::Load() {
  doc_ = TIniDocument();
  unreadable_ = false;
  dirty_ = false;
  // Non-blocking, so that a pipe in the file's place cannot hang the reader.
  const int raw = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (raw < 0) {
    // A missing file is an empty one, created by the first write; any other
    // failure leaves something there whose content is unknown.
    unreadable_ = errno != ENOENT;
    return;
  }
  FileDescriptor fd(raw);
  struct stat st;
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    unreadable_ = true;
    return;
  }
  if (std::uint64_t(st.st_size) > kIniMaxFileSize) {
    unreadable_ = true;
    return;
  }
  // Read straight into the string, which then becomes the document's: the
  // bytes are held once. One byte more than the size tells a file that grew.
  std::string bytes(std::size_t(st.st_size) + 1, '\0');
  std::size_t got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (bytes.size() > kIniMaxFileSize) {
        unreadable_ = true;
        return;
      }
      bytes.resize(std::min(bytes.size() * 2, kIniMaxFileSize + 1));
    }
    const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      unreadable_ = true;
      return;
    }
    if (n == 0) break;
    got += std::size_t(n);
  }
  bytes.resize(got);
  doc_ = TIniDocument(std::move(bytes));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  return doc_.ReadString(section, key, defaultValue);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
  return doc_.ReadInteger(section, key, defaultValue);
}

std::vector<std::string> TIniFile::ReadSections() const { return doc_.ReadSections(); }

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (unreadable_) throw IniWriteError(path_);
  try {
    doc_.WriteString(section, key, value);
  } catch (const IniTextError&) {
    throw IniWriteError(path_);
  }
  Changed();
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::Clear() {
  doc_.Clear();
  // The old content, read or not, is being replaced as a whole.
  unreadable_ = false;
  Changed();
}

void TIniFile::Changed() {
  dirty_ = true;
  if (depth_ == 0) Save();
}

void TIniFile::Save() {
  if (unreadable_ || !doc_.SettleEncoding()) throw IniWriteError(path_);
  WriteFileAtomically(path_, doc_.ToBytes());
  dirty_ = false;
}

void TIniFile::BeginUpdate() { ++depth_; }

void TIniFile::EndUpdate() {
  if (depth_ == 0) return;
  if (--depth_ == 0 && dirty_) Save();
}

void TIniFile::CancelUpdate() noexcept {
  if (depth_ == 0) return;
  if (--depth_ == 0 && dirty_) Load();
}

} // namespace hb
