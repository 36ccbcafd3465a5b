#include "support/FindFile.h"
#include "support/ProcessPending.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "support/ProcessPending.h"

namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// s with its single-byte ASCII letters upper-cased; the bytes of a
// multi-byte character (a CP932 second byte may be a letter's code) stay.
std::string UpperLetters(std::string_view s, hb::TCodePage cp) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t n = hb::CharByteLength(cp, out, i);
    if (n == 1) out[i] = UpperAscii(out[i]);
    i += n;
  }
  return out;
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + std::int64_t(doe) - 719468;
}

// 30 December 1899, day 0 of a date-time.
const std::int64_t kDateTimeEpoch = DaysFromCivil(1899, 12, 30);

struct DirCloser {
  void operator()(DIR* d) const { ::closedir(d); }
};

struct Entry {
  std::string name;
  unsigned char type;
};

// The folder's entries but "." and "..", in name order. The handle is closed
// before any entry is handled, so a deep walk never holds more than one open.
std::vector<Entry> ReadFolder(const std::string& prefix) {
  std::vector<Entry> entries;
  std::unique_ptr<DIR, DirCloser> dir(::opendir(prefix.c_str()));
  if (!dir) return entries;
  while (const dirent* e = ::readdir(dir.get())) {
    const std::string_view name = e->d_name;
    if (name == "." || name == "..") continue;
    entries.push_back({std::string(name), e->d_type});
  }
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return hb::FileNameLess(a.name, b.name); });
  return entries;
}

bool Stat(const std::string& path, int flags, struct statx& out) {
  return ::statx(AT_FDCWD, path.c_str(), flags | AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME,
                 &out) == 0;
}

std::timespec ToTimespec(const statx_timestamp& t) { return {time_t(t.tv_sec), long(t.tv_nsec)}; }

} // namespace

TFindFile::TFindFile(QObject* Owner) : QObject(Owner), CheckedTime(hb::NowDateTime()) {}

int TFindFile::Execute() {
  if (FolderName.empty()) return -1;
  foundCount_ = 0;
  cancel_ = false;
  SearchFolder(FolderName);
  return foundCount_;
}

void TFindFile::SearchFolder(std::string folder) {
  // "/" alone becomes "", whose prefix "/" is the root again.
  if (!folder.empty() && folder.back() == '/') folder.pop_back();
  const std::string prefix = folder + "/";
  const std::vector<Entry> entries = ReadFolder(prefix);

  for (const Entry& entry : entries) {
    hb::ProcessPending();
    if (cancel_) return;
    const std::string path = prefix + entry.name;

    struct statx st {};
    bool statted = false;
    bool isFolder = entry.type == DT_DIR;
    if (entry.type == DT_UNKNOWN || entry.type == DT_LNK) {
      statted = Stat(path, 0, st) || Stat(path, AT_SYMLINK_NOFOLLOW, st);
      if (!statted) continue;  // gone since the folder was read
      // A link to a folder is never entered: it could lead back up the tree.
      isFolder = S_ISDIR(st.stx_mode);
      if (isFolder && entry.type == DT_LNK) continue;
    }
    if (isFolder) {
      if (IsFindSub && entry.name[0] != '.') SearchFolder(path);
      continue;
    }

    if (!FileMask.empty() &&
        std::none_of(FileMask.begin(), FileMask.end(),
                     [&](const std::string& mask) { return hb::MaskMatch(entry.name, mask); }))
      continue;

    if (!statted && !Stat(path, 0, st) && !Stat(path, AT_SYMLINK_NOFOLLOW, st)) continue;
    TSearchRec search;
    search.Name = entry.name;
    search.Size = std::int64_t(st.stx_size);
    search.Mode = st.stx_mode;
    search.LastWriteTime = hb::FileTimeToDateTime(ToTimespec(st.stx_mtime));
    search.LastAccessTime = hb::FileTimeToDateTime(ToTimespec(st.stx_atime));
    if (st.stx_mask & STATX_BTIME) search.CreationTime = hb::FileTimeToDateTime(ToTimespec(st.stx_btime));
    if (!TimeAccepted(search)) continue;

    ++foundCount_;
    if (OnFind) {
      bool cancel = cancel_;
      OnFind(entry.name, prefix, search, cancel);
      cancel_ = cancel;
    }
  }
}

bool TFindFile::TimeAccepted(const TSearchRec& search) const {
  if (CheckTimeIs == tmNone) return true;
  const TDateTime time = CheckTimeKind == tmCreate      ? search.CreationTime
                         : CheckTimeKind == tmLastWrite ? search.LastWriteTime
                                                        : search.LastAccessTime;
  if (CheckTimeIs == tmOlder) return time < CheckedTime;
  return time > CheckedTime;
}

namespace hb {

bool PartMatch(std::string_view S, std::string_view P) {
  std::size_t i = 0;
  std::size_t j = 0;
  for (;;) {
    if (j < P.size() && P[j] == '*') {
      if (j + 1 == P.size()) return true;
      // From the right: what follows the last "*" against the end of S.
      std::string_view s = S.substr(i);
      std::string_view p = P.substr(j);
      std::size_t k = s.size();
      std::size_t l = p.size();
      for (;;) {
        if (p[l - 1] == '*') return true;
        if (k == 0) return true;
        if (p[l - 1] != '?' && p[l - 1] != s[k - 1]) return false;
        --k;
        --l;
      }
    }
    if (i == S.size()) return j == P.size();
    if (j < P.size() && (P[j] == '?' || P[j] == S[i])) {
      ++i;
      ++j;
    } else {
      return false;
    }
  }
}

bool MaskMatch(std::string_view Name, std::string_view Mask, TCodePage cp) {
  const std::string name = UpperLetters(Name, cp);
  const std::string mask = UpperLetters(Mask, cp);
  auto split = [](std::string_view s) {
    const std::size_t dot = s.rfind('.');
    if (dot == std::string_view::npos) return std::pair(s, std::string_view());
    return std::pair(s.substr(0, dot), s.substr(dot + 1));
  };
  const auto [nameBase, nameExt] = split(name);
  const auto [maskBase, maskExt] = split(mask);
  if (nameBase.empty() || maskBase.empty()) return false;
  if (mask == "*" || mask == "*.*") return true;
  return PartMatch(nameBase, maskBase) && PartMatch(nameExt, maskExt);
}

TDateTime FileTimeToDateTime(const std::timespec& time) {
  if (time.tv_sec == 0 && time.tv_nsec == 0) return 0;
  std::tm local{};
  const time_t seconds = time.tv_sec;
  if (!::localtime_r(&seconds, &local)) return 0;
  const std::int64_t days =
      DaysFromCivil(std::int64_t(local.tm_year) + 1900, unsigned(local.tm_mon + 1), unsigned(local.tm_mday)) -
      kDateTimeEpoch;
  const double secondOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + time.tv_nsec / 1e9;
  return double(days) + secondOfDay / 86400.0;
}

TDateTime NowDateTime() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
  return FileTimeToDateTime({time_t(ns / 1000000000), long(ns % 1000000000)});
}

bool FileNameLess(std::string_view A, std::string_view B) {
  const std::size_t n = std::min(A.size(), B.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char a = static_cast<unsigned char>(UpperAscii(A[i]));
    const unsigned char b = static_cast<unsigned char>(UpperAscii(B[i]));
    if (a != b) return a < b;
  }
  if (A.size() != B.size()) return A.size() < B.size();
  return A < B;
}

} // namespace hb
