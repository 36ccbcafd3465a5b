#pragma once
// TFindFile: walks a folder (and, optionally, its sub-folders, depth first)
// and reports every file whose name matches one of its masks and, optionally,
// whose creation, last-write or last-access time lies before or after a given
// moment. The main window finds the palette files beside the program with it.

#include <QObject>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "text/CodePage.h"

// Which way the time filter compares, and which file time it uses.
enum TTimeFunc { tmNone, tmOlder, tmNewer };
enum TTimeKind { tmCreate, tmLastWrite, tmLastAccess };

// A date-time: days since 30 December 1899, the fraction the time of day.
using TDateTime = double;

// One directory entry as the search found it; the times are local date-times
// (0 where the file system keeps no such time).
struct TSearchRec {
  std::string Name;
  std::int64_t Size = 0;
  std::uint32_t Mode = 0;  // st_mode: type and permission bits
  TDateTime CreationTime = 0;
  TDateTime LastWriteTime = 0;
  TDateTime LastAccessTime = 0;
};

// Called for each reported file: its name, its folder (ending in "/"), its
// entry, and the stop flag, which a handler sets to end the whole search.
using TOnFindEvent =
    std::function<void(const std::string& FileName, const std::string& Path, TSearchRec Search, bool& Cancel)>;

class TFindFile : public QObject {
 public:
  explicit TFindFile(QObject* Owner = nullptr);

  std::string FolderName = "/";         // a trailing "/" is optional
  std::vector<std::string> FileMask;    // empty: every file
  bool IsFindSub = true;
  TTimeFunc CheckTimeIs = tmNone;
  TTimeKind CheckTimeKind = tmLastWrite;
  TDateTime CheckedTime;                // the local time at construction
  TOnFindEvent OnFind;

  // Searches from FolderName and returns the number of files reported; -1,
  // without searching, when FolderName is empty. An error thrown by OnFind
  // ends the search and reaches the caller.
  int Execute();
  int FoundCount() const { return foundCount_; }

 private:
  void SearchFolder(std::string folder);
  bool TimeAccepted(const TSearchRec& search) const;

  int foundCount_ = 0;
  bool cancel_ = false;
};

namespace hb {

// A file name against a mask: both upper-cased (single-byte ASCII letters only,
// so no byte of a double-byte character changes), split at
// their last "."; a side with an empty base never matches; "*" and "*.*"
// match every other name; otherwise the bases and the extensions must each
// match by PartMatch.
bool MaskMatch(std::string_view Name, std::string_view Mask, TCodePage cp = ActiveCodePage());

// Text against a pattern, byte by byte: "?" is any one byte, "*" any run. The
// first "*" is matched from the left, what follows the last "*" from the
// right; bytes between the first and the last "*" are never compared.
bool PartMatch(std::string_view S, std::string_view P);

// A file time (seconds and nanoseconds since the epoch) as a local date-time;
// the zero time gives 0.
TDateTime FileTimeToDateTime(const std::timespec& time);

// Now, as a local date-time.
TDateTime NowDateTime();

// The order of entries within a folder: ASCII letters compared without case,
// then, between names equal that way, the bytes.
bool FileNameLess(std::string_view A, std::string_view B);

} // namespace hb
