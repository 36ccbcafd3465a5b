#include "settings/IniDocument.h"

#include <QString>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <random>
#include <unordered_map>

namespace hb {

namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFFu;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool IsBreak(char c) { return c == '\n' || c == '\r'; }

// A line of the file read: its text ends at contentEnd, its line ending (CR LF,
// LF, a lone CR, or nothing at the very end) at next.
struct LineSpan {
  std::size_t contentEnd, next;
};

// A line ends at its first CR or LF; a CR directly followed by LF ends it as
// one. The search stops there: looking further for the other break would
// read the rest of the file at every line of a file without that break.
LineSpan LineAt(std::string_view s, std::size_t pos) {
  // Eight bytes at a time up to the word that holds the break.
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
  auto hasByte = [](std::uint64_t w, char c) {
    const std::uint64_t x = w ^ (kOnes * static_cast<unsigned char>(c));
    return ((x - kOnes) & ~x & kHigh) != 0;
  };
  std::size_t end = pos;
  for (std::uint64_t w; end + 8 <= s.size(); end += 8) {
    std::memcpy(&w, s.data() + end, 8);
    if (hasByte(w, '\r') || hasByte(w, '\n')) break;
  }
  while (end < s.size() && !IsBreak(s[end])) ++end;
  if (end == s.size()) return {end, end};
  const bool crlf = s[end] == '\r' && end + 1 < s.size() && s[end + 1] == '\n';
  return {end, end + (crlf ? 2 : 1)};
}

// A line kept as a string, without its line ending.
std::string_view Content(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string_view Ending(std::string_view line) { return line.substr(Content(line).size()); }

// Names compare by their folded form. An ASCII name is its own form and is
// compared with ASCII case ignored; any other name is folded through Unicode
// case folding, whose ASCII letters are already lower case, so one hash and
// one comparison serve both.
bool CiEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::string AsciiLowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

// Bytes "A" to "Z" of eight at once to lower case; every other byte, bit 0x20
// included, stays as it is, so names that differ in anything but the case of
// a letter hash apart.
std::uint64_t LowerLetters(std::uint64_t w) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
  const std::uint64_t low7 = w & ~kHigh;
  const std::uint64_t atLeastA = low7 + kOnes * (0x80 - 'A');
  const std::uint64_t pastZ = low7 + kOnes * (0x80 - 'Z' - 1);
  return w | ((atLeastA & ~pastZ & ~w & kHigh) >> 2);
}

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ull;
  h ^= h >> 33;
  return h;
}

// Chosen at random per process: names that collide on purpose would have to
// be made for this one run.
std::uint64_t HashSeed() {
  static const std::uint64_t seed = [] {
    std::uint64_t s = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
      std::random_device device;
      s ^= std::uint64_t(device()) << 32 | device();
    } catch (const std::exception&) {
      // No entropy source: the clock alone seeds it.
    }
    return Mix(s);
  }();
  return seed;
}

std::uint64_t HashName(std::string_view folded, std::uint64_t salt) {
  std::uint64_t h = Mix(HashSeed() ^ salt ^ (folded.size() * 0x9E3779B97F4A7C15ull));
  std::size_t i = 0;
  for (; i + 8 <= folded.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, folded.data() + i, 8);
    h = Mix(h ^ LowerLetters(w));
  }
  std::uint64_t w = 0;
  std::memcpy(&w, folded.data() + i, folded.size() - i);
  return Mix(h ^ LowerLetters(w));
}

std::uint64_t KeySalt(std::uint32_t section) { return (std::uint64_t(section) + 1) * 0xD6E8FEB86659FD93ull; }

// Open addressing over 32-bit values that the owner compares, with eight bits
// of each hash beside them to spare most comparisons. It is sized once, for
// an upper bound of what it will hold that the reader counted first, so it is
// never resized while a file is read: 7.5 bytes per name at most.
class FixedTable {
 public:
  explicit FixedTable(std::size_t most = 0)
      : values_(most ? most + most / 2 + 1 : 0, kNone), tags_(values_.size()) {}

  template <class Same>
  std::optional<std::uint32_t> Find(std::uint64_t hash, Same same) const {
    if (values_.empty()) return std::nullopt;
    for (std::size_t i = Home(hash);; i = Next(i)) {
      if (values_[i] == kNone) return std::nullopt;
      if (tags_[i] == Tag(hash) && same(values_[i])) return values_[i];
    }
  }

  // Adds value unless an equal one is there; tells whether it was added.
  template <class Same>
  bool InsertUnique(std::uint64_t hash, std::uint32_t value, Same same) {
    std::size_t i = Home(hash);
    for (; values_[i] != kNone; i = Next(i))
      if (tags_[i] == Tag(hash) && same(values_[i])) return false;
    values_[i] = value;
    tags_[i] = Tag(hash);
    return true;
  }

 private:
  std::size_t Home(std::uint64_t hash) const { return std::size_t(((hash >> 32) * values_.size()) >> 32); }
  std::size_t Next(std::size_t i) const { return i + 1 == values_.size() ? 0 : i + 1; }
  static std::uint8_t Tag(std::uint64_t hash) { return std::uint8_t(hash); }

  std::vector<std::uint32_t> values_;
  std::vector<std::uint8_t> tags_;
};

// Kana, CJK ideographs, Hangul and half-width kana have no case: UTF-8 text of
// those and ASCII needs no Unicode folding, which spares Japanese names the
// round trip through QString.
bool CaselessBeyondAscii(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    if (b < 0xE0 || b > 0xEF || s.size() - i < 3) return false;
    const char32_t cp = char32_t(b & 0x0F) << 12 | char32_t(s[i + 1] & 0x3F) << 6 | char32_t(s[i + 2] & 0x3F);
    if (!((cp >= 0x3000 && cp <= 0x9FFF) || (cp >= 0xAC00 && cp <= 0xD7A3) ||
          (cp >= 0xFF61 && cp <= 0xFF9F)))
      return false;
    i += 3;
  }
  return true;
}

// Folded form of a UTF-8 name. Text that is not UTF-8 cannot name anything
// decoded from the file; it is folded in its ASCII letters only.
std::string FoldUtf8(std::string_view s) {
  if (IsValidUtf8(s) && !CaselessBeyondAscii(s)) {
    const QByteArray folded =
        QString::fromUtf8(s.data(), qsizetype(s.size())).toCaseFolded().toUtf8();
    return std::string(folded.constData(), std::size_t(folded.size()));
  }
  return AsciiLowered(s);
}

// CP932 to UTF-8 that keeps the file's structure. A lead byte whose partner
// cannot end a character (a line break, a blank, "=", ...) becomes U+FFFD on
// its own and leaves the partner standing; a plain conversion would swallow
// it and turn "ab<lead>=1" into a line without "=". Names and values are
// read this way; a whole file is only ever converted when no byte is lost.
std::string Cp932ToUtf8Kept(std::string_view s) {
  auto trail = [](unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); };
  std::string out;
  std::size_t run = 0;  // start of the text not converted yet
  for (std::size_t pos = 0; pos < s.size();) {
    const auto b = static_cast<unsigned char>(s[pos]);
    if (!IsLeadByte(TCodePage::Cp932, b)) {
      ++pos;
    } else if (pos + 1 < s.size() && trail(static_cast<unsigned char>(s[pos + 1]))) {
      pos += 2;
    } else {
      out += Cp932ToUtf8(s.substr(run, pos - run));
      out += "\xEF\xBF\xBD";
      run = ++pos;
    }
  }
  if (run == 0) return Cp932ToUtf8(s);
  out += Cp932ToUtf8(s.substr(run));
  return out;
}

// Position of the last "]" that is a character of its own, or npos. In CP932
// 0x5D is also the second byte of some double-byte characters (ゾ is 83 5D),
// and those never close a header.
std::size_t LastCloseBracket(std::string_view s, bool cp932) {
  if (!cp932 || IsAscii(s)) return s.rfind(']');
  std::size_t found = std::string_view::npos;
  for (std::size_t pos = 0; pos < s.size();) {
    const std::size_t len = CharByteLength(TCodePage::Cp932, s, pos);
    if (len == 1 && s[pos] == ']') found = pos;
    pos += len;
  }
  return found;
}

enum class LineKind { Other, Header, Key };

// What a line of the file is, and the name it carries: a header "[name]"
// (the last "]" closes it), a key "name=value", or anything else (blank
// lines, comments starting with ";", text).
LineKind Classify(std::string_view content, bool cp932, std::string_view* name) {
  const std::string_view text = TrimBlanks(content);
  if (text.empty() || text[0] == ';') return LineKind::Other;
  if (text[0] == '[') {
    const std::size_t close = LastCloseBracket(text, cp932);
    if (close != std::string_view::npos && close > 0) {
      *name = TrimBlanks(text.substr(1, close - 1));
      return LineKind::Header;
    }
  }
  const std::size_t eq = text.find('=');
  if (eq == std::string_view::npos) return LineKind::Other;
  *name = TrimBlanks(text.substr(0, eq));
  return LineKind::Key;
}

// The text after "=" and the blanks that follow it.
std::size_t ValueStart(std::string_view content) {
  std::size_t p = content.find('=') + 1;
  while (p < content.size() && IsBlank(content[p])) ++p;
  return p;
}

// A section of the file read, the first of its name; later ones of the same
// name are never read or written and need no record.
struct BaseSection {
  std::uint32_t header;      // offset of the header line
  std::uint32_t end;         // where the next header starts (kNone while reading)
  std::uint32_t lastKeyEnd;  // after the last key line, or the header line
};

// A section added by a write, at the end of the file.
struct AddedSection {
  std::string name;                  // in UTF-8, for the listing
  std::vector<std::uint32_t> lines;  // the header, then the keys
};

// Changes at one offset of the bytes read.
struct Patch {
  std::vector<std::uint32_t> inserted;  // lines added before the offset
  std::uint32_t replacement = kNone;    // the line that replaces the one at the offset
};

// Where a key's line stands: a line of the bytes read (base), a line made by
// a write (line), or both for a line of the file whose value was replaced.
struct KeyHit {
  std::uint32_t base = kNone;
  std::uint32_t line = kNone;
};

} // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view s) {
  bool negative = false;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  bool hex = false;
  if (!s.empty() && s[0] == '$') {
    hex = true;
    s.remove_prefix(1);
  } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    hex = true;
    s.remove_prefix(2);
  }
  if (s.empty()) return std::nullopt;
  std::uint64_t v = 0;
  if (hex) {
    for (char c : s) {
      int digit;
      if (c >= '0' && c <= '9') digit = c - '0';
      else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      else return std::nullopt;
      v = v * 16 + std::uint64_t(digit);
      if (v > 0xFFFFFFFFull) return std::nullopt;
    }
    // The bit pattern counts, as in a colour value: $FFFFFFFF is -1.
    std::uint32_t u = std::uint32_t(v);
    if (negative) u = 0u - u;
    return std::int32_t(u);
  }
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + std::uint64_t(c - '0');
    if (v > 2147483648ull) return std::nullopt;
  }
  if (negative) return std::int32_t(-std::int64_t(v));
  if (v > 2147483647ull) return std::nullopt;
  return std::int32_t(v);
}

struct TIniDocument::Impl {
  std::string base;  // the bytes read, byte-order mark taken off, UTF-16 as UTF-8
  TextEncoding encoding = TextEncoding::Cp932;
  // Nothing but ASCII so far: the file may still become UTF-8 with a BOM
  // without any conversion.
  bool pureAscii = true;
  // False for UTF-16 with an odd last byte (kept in oddByte), which is no
  // character: a write would have to guess where it belongs.
  bool writable = true;
  std::string oddByte;
  std::string_view eol = "\r\n";

  std::deque<BaseSection> sections;  // grows without moving what it holds
  FixedTable sectionTable;           // names of sections: index in sections
  FixedTable keyTable;               // (section, name) of keys: offset of the first such line

  std::deque<std::string> lines;  // lines made by writes, with their endings
  std::map<std::uint32_t, Patch> patches;
  std::vector<AddedSection> added;
  std::unordered_map<std::string, std::uint32_t> addedSections;  // lowered folded name: index in added
  std::unordered_map<std::string, std::uint32_t> addedKeys;      // section id, lowered folded name: line

  Impl() = default;

  explicit Impl(std::string bytes, std::optional<TextEncoding> forced = std::nullopt) {
    if (bytes.size() > 0xFFFFFFFEull) throw std::length_error("INI file of 4 GiB or more");
    const TextEncoding detected = forced ? *forced : DetectIniEncoding(bytes);
    if (detected == TextEncoding::Utf16Le || detected == TextEncoding::Utf16Be) {
      encoding = detected;
      base = Utf16ToUtf8(std::string_view(bytes).substr(2), detected == TextEncoding::Utf16Be, &writable);
      if (!writable) oddByte = bytes.substr(bytes.size() - 1);
      bytes = std::string();
      if (base.size() > 0xFFFFFFFEull) throw std::length_error("INI file of 4 GiB or more");
      pureAscii = false;
    } else {
      base = std::move(bytes);
      pureAscii = IsAscii(base);
      // A file of ASCII only is no evidence of UTF-8; it gets the new-file rule.
      encoding = forced ? *forced : pureAscii ? TextEncoding::Cp932 : detected;
      if (base.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0) {
        base.erase(0, kUtf8Bom.size());
        pureAscii = IsAscii(base);
      }
    }
    Parse();
  }

  bool Cp932() const { return encoding == TextEncoding::Cp932; }

  std::string Decode(std::string_view raw) const {
    if (IsAscii(raw)) return std::string(raw);
    if (Cp932()) return Cp932ToUtf8Kept(raw);
    if (IsValidUtf8(raw)) return std::string(raw);
    const QByteArray fixed = QString::fromUtf8(raw.data(), qsizetype(raw.size())).toUtf8();
    return std::string(fixed.constData(), std::size_t(fixed.size()));
  }

  // The folded form of a name as it stands in the file; storage holds it
  // when it is not the name itself.
  std::string_view FoldRaw(std::string_view raw, std::string& storage) const {
    if (IsAscii(raw)) return raw;
    storage = FoldUtf8(Decode(raw));
    return storage;
  }

  std::string_view ContentAt(std::size_t pos) const {
    return std::string_view(base).substr(pos, LineAt(base, pos).contentEnd - pos);
  }

  std::string_view NameAt(std::size_t pos) const {
    std::string_view name;
    Classify(ContentAt(pos), Cp932(), &name);
    return name;
  }

  bool SameSection(std::uint32_t index, std::string_view folded) const {
    std::string storage;
    return CiEqual(FoldRaw(NameAt(sections[index].header), storage), folded);
  }

  bool SameKey(std::uint32_t section, std::uint32_t pos, std::string_view folded) const {
    const BaseSection& s = sections[section];
    if (pos <= s.header || pos >= s.end) return false;
    std::string storage;
    return CiEqual(FoldRaw(NameAt(pos), storage), folded);
  }

  void Parse() {
    const std::string_view all(base);
    const LineSpan first = LineAt(all, 0);
    const std::string_view firstEnding = all.substr(first.contentEnd, first.next - first.contentEnd);
    eol = firstEnding == "\n" ? "\n" : firstEnding == "\r" ? "\r" : "\r\n";

    // Tables sized by what the lines are, not by bytes that might start one.
    std::size_t headers = 0, keys = 0;
    std::string_view name;
    for (std::size_t pos = 0; pos < all.size();) {
      const LineSpan l = LineAt(all, pos);
      const LineKind kind = Classify(all.substr(pos, l.contentEnd - pos), Cp932(), &name);
      if (kind == LineKind::Header) ++headers;
      else if (kind == LineKind::Key && headers > 0) ++keys;
      pos = l.next;
    }
    sectionTable = FixedTable(headers);
    keyTable = FixedTable(keys);

    std::uint32_t current = kNone;  // the section whose keys count; none before the first or in a repeat
    std::string storage;
    for (std::size_t pos = 0; pos < all.size();) {
      const LineSpan l = LineAt(all, pos);
      const LineKind kind = Classify(all.substr(pos, l.contentEnd - pos), Cp932(), &name);
      if (kind == LineKind::Header) {
        if (current != kNone) sections[current].end = std::uint32_t(pos);
        const std::string_view folded = FoldRaw(name, storage);
        const auto index = std::uint32_t(sections.size());
        current = kNone;
        if (sectionTable.InsertUnique(HashName(folded, 0), index,
                                      [&](std::uint32_t i) { return SameSection(i, folded); })) {
          sections.push_back({std::uint32_t(pos), kNone, std::uint32_t(l.next)});
          current = index;
        }
      } else if (kind == LineKind::Key && current != kNone) {
        const std::string_view folded = FoldRaw(name, storage);
        keyTable.InsertUnique(HashName(folded, KeySalt(current)), std::uint32_t(pos),
                              [&](std::uint32_t p) { return SameKey(current, p, folded); });
        sections[current].lastKeyEnd = std::uint32_t(l.next);
      }
      pos = l.next;
    }
    if (current != kNone) sections[current].end = std::uint32_t(all.size());
  }

  // A name from the caller, trimmed and folded.
  class Query {
   public:
    explicit Query(std::string_view name) {
      name = TrimBlanks(name);
      if (IsAscii(name)) {
        folded_ = name;
      } else {
        storage_ = FoldUtf8(name);
        folded_ = storage_;
      }
    }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;
    std::string_view Folded() const { return folded_; }
    std::string Lowered() const { return AsciiLowered(folded_); }

   private:
    std::string storage_;
    std::string_view folded_;
  };

  // Sections are numbered: those read first, then those added.
  std::optional<std::uint32_t> FindSection(const Query& q) const {
    const auto found = sectionTable.Find(HashName(q.Folded(), 0),
                                         [&](std::uint32_t i) { return SameSection(i, q.Folded()); });
    if (found || added.empty()) return found;
    const auto a = addedSections.find(q.Lowered());
    if (a == addedSections.end()) return std::nullopt;
    return std::uint32_t(sections.size() + a->second);
  }

  static std::string AddedKey(std::uint32_t section, const Query& q) {
    std::string k(reinterpret_cast<const char*>(&section), sizeof section);
    return k + q.Lowered();
  }

  std::optional<KeyHit> FindKey(std::uint32_t section, const Query& q) const {
    if (section < sections.size()) {
      const auto pos = keyTable.Find(HashName(q.Folded(), KeySalt(section)),
                                     [&](std::uint32_t p) { return SameKey(section, p, q.Folded()); });
      if (pos) {
        const auto patch = patches.find(*pos);
        return KeyHit{*pos, patch == patches.end() ? kNone : patch->second.replacement};
      }
    }
    if (addedKeys.empty()) return std::nullopt;
    const auto k = addedKeys.find(AddedKey(section, q));
    if (k == addedKeys.end()) return std::nullopt;
    return KeyHit{kNone, k->second};
  }

  std::string_view HitContent(const KeyHit& hit) const {
    return hit.line != kNone ? Content(lines[hit.line]) : ContentAt(hit.base);
  }

  std::uint32_t AddLine(std::string line) {
    lines.push_back(std::move(line));
    return std::uint32_t(lines.size() - 1);
  }

  std::string ToBytes() const {
    std::size_t total = base.size() + kUtf8Bom.size() + eol.size();
    for (const std::string& l : lines) total += l.size();
    std::string out;
    out.reserve(total);
    if (encoding == TextEncoding::Utf8Bom) out.append(kUtf8Bom);
    // Whatever goes after the file's last line needs that line ended first.
    bool unended = !base.empty() && !IsBreak(base.back());
    std::size_t pos = 0;
    for (const auto& [at, patch] : patches) {
      out.append(base, pos, at - pos);
      pos = at;
      if (!patch.inserted.empty() && at == base.size() && unended) {
        out.append(eol);
        unended = false;
      }
      for (std::uint32_t id : patch.inserted) out.append(lines[id]);
      if (patch.replacement != kNone) {
        out.append(lines[patch.replacement]);
        pos = LineAt(base, at).next;
      }
    }
    out.append(base, pos);
    if (!added.empty() && unended) out.append(eol);
    for (const AddedSection& s : added)
      for (std::uint32_t id : s.lines) out.append(lines[id]);
    if (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be) {
      const bool big = encoding == TextEncoding::Utf16Be;
      return std::string(big ? kUtf16BeBom : kUtf16LeBom) + Utf8ToUtf16(out, big) + oddByte;
    }
    return out;
  }
};

TIniDocument::TIniDocument() : d_(std::make_unique<Impl>()) {}
TIniDocument::TIniDocument(std::string bytes) : d_(std::make_unique<Impl>(std::move(bytes))) {}
TIniDocument::TIniDocument(TIniDocument&&) noexcept = default;
TIniDocument& TIniDocument::operator=(TIniDocument&&) noexcept = default;
TIniDocument::~TIniDocument() = default;

std::optional<std::string> TIniDocument::Value(std::string_view section, std::string_view key) const {
  const auto sec = d_->FindSection(Impl::Query(section));
  if (!sec) return std::nullopt;
  const auto hit = d_->FindKey(*sec, Impl::Query(key));
  if (!hit) return std::nullopt;
  const std::string_view content = d_->HitContent(*hit);
  std::string_view v = TrimBlanks(content.substr(content.find('=') + 1));
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return d_->Decode(v);
}

std::string TIniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  auto v = Value(section, key);
  return v ? std::move(*v) : std::string(defaultValue);
}

std::int32_t TIniDocument::ReadInteger(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
  const auto v = Value(section, key);
  if (!v) return defaultValue;
  return ParseIniInteger(*v).value_or(defaultValue);
}

std::string IniNameKey(std::string_view name) { return FoldUtf8(TrimBlanks(name)); }

std::vector<std::string> TIniDocument::ReadSections() const {
  std::vector<std::string> names;
  names.reserve(d_->sections.size() + d_->added.size());
  for (const BaseSection& s : d_->sections) names.push_back(d_->Decode(d_->NameAt(s.header)));
  for (const AddedSection& s : d_->added) names.push_back(s.name);
  return names;
}

void TIniDocument::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  for (std::string_view t : {section, key, value}) {
    if (t.find_first_of("\r\n") != std::string_view::npos)
      throw IniTextError("line break in an INI name or value");
    if (!IsValidUtf8(t)) throw IniTextError("INI text that is not UTF-8");
  }
  // Such a key would read back as another key, a comment or a header.
  if (key.find('=') != std::string_view::npos || (!key.empty() && (key[0] == ';' || key[0] == '[')))
    throw IniTextError("INI key that cannot stand on a line");
  if (!d_->writable) throw IniTextError("UTF-16 file with an odd number of bytes");

  const Impl::Query sectionQuery(section), keyQuery(key);
  // Only the texts that go into the file need its encoding: the value, and
  // the key and section names when they are new. A character CP932 cannot
  // hold turns the whole file into UTF-8 with a BOM: losing the character (or
  // writing it as "?") would lose the user's data.
  auto sec = d_->FindSection(sectionQuery);
  auto hit = sec ? d_->FindKey(*sec, keyQuery) : std::nullopt;
  std::string raw[3] = {sec ? std::string() : std::string(section), hit ? std::string() : std::string(key),
                        std::string(value)};
  const bool ascii = IsAscii(raw[0]) && IsAscii(raw[1]) && IsAscii(raw[2]);
  if (!ascii && d_->Cp932()) {
    std::string converted[3];
    bool fits = true;
    for (int i = 0; i < 3 && fits; ++i) {
      auto c = IsAscii(raw[i]) ? std::optional<std::string>(raw[i]) : Utf8ToCp932(raw[i]);
      if (c) converted[i] = std::move(*c);
      else fits = false;
    }
    if (fits) {
      for (int i = 0; i < 3; ++i) raw[i] = std::move(converted[i]);
    } else if (d_->pureAscii) {
      d_->encoding = TextEncoding::Utf8Bom;
    } else {
      auto utf8 = Cp932ToUtf8Exact(d_->ToBytes());
      if (!utf8) throw IniTextError("CP932 file that would not convert to UTF-8 unchanged");
      d_ = std::make_unique<Impl>(std::move(*utf8), TextEncoding::Utf8Bom);
      sec = d_->FindSection(sectionQuery);
      hit = sec ? d_->FindKey(*sec, keyQuery) : std::nullopt;
    }
  }
  if (!ascii) d_->pureAscii = false;
  const std::string_view rawSection = raw[0], rawKey = raw[1], rawValue = raw[2];
  Impl& d = *d_;

  if (hit) {
    const std::string_view content = d.HitContent(*hit);
    std::string updated(content.substr(0, ValueStart(content)));
    updated.append(rawValue);
    if (hit->line != kNone) {
      updated.append(Ending(d.lines[hit->line]));
      d.lines[hit->line] = std::move(updated);
    } else {
      const LineSpan l = LineAt(d.base, hit->base);
      updated.append(d.base, l.contentEnd, l.next - l.contentEnd);
      d.patches[hit->base].replacement = d.AddLine(std::move(updated));
    }
    return;
  }

  std::string line;
  line.reserve(rawKey.size() + rawValue.size() + 3);
  line.append(rawKey).append("=").append(rawValue).append(d.eol);
  if (!sec) {
    // A new section at the end of the file.
    std::string header;
    header.reserve(rawSection.size() + 4);
    header.append("[").append(rawSection).append("]").append(d.eol);
    sec = std::uint32_t(d.sections.size() + d.added.size());
    d.addedSections.emplace(sectionQuery.Lowered(), std::uint32_t(d.added.size()));
    d.added.push_back({std::string(section), {d.AddLine(std::move(header))}});
  }
  // After the section's last key, before the blank lines that part it from
  // the next one.
  const std::uint32_t id = d.AddLine(std::move(line));
  if (*sec < d.sections.size()) d.patches[d.sections[*sec].lastKeyEnd].inserted.push_back(id);
  else d.added[*sec - d.sections.size()].lines.push_back(id);
  d.addedKeys.emplace(Impl::AddedKey(*sec, keyQuery), id);
}

void TIniDocument::Clear() { d_ = std::make_unique<Impl>(); }

bool TIniDocument::SettleEncoding() {
  if (!d_->Cp932() || d_->pureAscii) return true;
  std::string bytes = d_->ToBytes();
  if (IsAscii(bytes) || !IsValidUtf8(bytes)) return true;
  auto utf8 = Cp932ToUtf8Exact(bytes);
  if (!utf8) return false;
  d_ = std::make_unique<Impl>(std::move(*utf8), TextEncoding::Utf8Bom);
  return true;
}

std::string TIniDocument::ToBytes() const { return d_->ToBytes(); }

TextEncoding TIniDocument::Encoding() const { return d_->encoding; }

std::string_view TIniDocument::LineEnding() const { return d_->eol; }

} // namespace hb
