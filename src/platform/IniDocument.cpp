#include "platform/IniDocument.h"

#include <QString>

#include <algorithm>
#include <cstring>

namespace hb {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// The line without its line ending: "\n", "\r\n", or at the very end of a
// file a lone "\r".
std::string_view Content(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string_view Ending(std::string_view line) { return line.substr(Content(line).size()); }

bool EndsWithBreak(std::string_view line) { return !line.empty() && line.back() == '\n'; }

// Names compare by their folded form. An ASCII name is its own form and is
// compared with ASCII case ignored; any other name is stored folded through
// Unicode case folding, whose ASCII letters are already lower case, so one
// hash and one comparison serve both.
bool CiEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

// A name's form with its hash, computed once: the indexes then never hash or
// touch the name's bytes again when they grow, which for a large file would
// mean a cache miss per name.
struct Name {
  std::string_view form;
  std::size_t hash;

  // Eight bytes at a time, each with bit 0x20 set first: that makes "A" and
  // "a" hash alike (and some pairs of other bytes, which the comparison then
  // tells apart).
  static Name Of(std::string_view form) {
    constexpr std::uint64_t kCaseBits = 0x2020202020202020ull, kMul = 0xFF51AFD7ED558CCDull;
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ form.size();
    std::size_t i = 0;
    for (; i + 8 <= form.size(); i += 8) {
      std::uint64_t w;
      std::memcpy(&w, form.data() + i, 8);
      h = (h ^ (w | kCaseBits)) * kMul;
      h ^= h >> 32;
    }
    std::uint64_t w = 0;
    std::memcpy(&w, form.data() + i, form.size() - i);
    h = (h ^ (w | kCaseBits)) * kMul;
    h ^= h >> 29;
    return {form, static_cast<std::size_t>(h)};
  }
  bool operator==(const Name& o) const { return hash == o.hash && CiEqual(form, o.form); }
};

// Names to indexes: open addressing with linear probing over slots that hold
// each name's hash and form, so a look-up costs about one cache miss for the
// slot and one for the name's bytes, even in a file of 100,000 sections.
class NameIndex {
 public:
  void Reserve(std::size_t n) {
    std::size_t want = 16;
    while (want < n * 2) want *= 2;
    if (want > slots_.size()) Rehash(want);
  }

  // Adds the name unless it is there already; tells whether it was added.
  bool Insert(const Name& name, std::uint32_t value) {
    if ((count_ + 1) * 2 > slots_.size()) Rehash(std::max<std::size_t>(16, slots_.size() * 2));
    std::size_t i = name.hash & (slots_.size() - 1);
    for (; slots_[i].value != kEmpty; i = (i + 1) & (slots_.size() - 1))
      if (slots_[i].name == name) return false;
    slots_[i] = {name, value};
    ++count_;
    return true;
  }

  const std::uint32_t* Find(const Name& name) const {
    if (slots_.empty()) return nullptr;
    for (std::size_t i = name.hash & (slots_.size() - 1); slots_[i].value != kEmpty;
         i = (i + 1) & (slots_.size() - 1))
      if (slots_[i].name == name) return &slots_[i].value;
    return nullptr;
  }

  std::size_t size() const { return count_; }

 private:
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
  struct Slot {
    Name name{};
    std::uint32_t value = kEmpty;
  };

  void Rehash(std::size_t size) {
    std::vector<Slot> old(size);
    old.swap(slots_);
    for (const Slot& s : old) {
      if (s.value == kEmpty) continue;
      std::size_t i = s.name.hash & (size - 1);
      while (slots_[i].value != kEmpty) i = (i + 1) & (size - 1);
      slots_[i] = s;
    }
  }

  std::vector<Slot> slots_;
  std::size_t count_ = 0;
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
  std::string out(s);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

// CP932 to UTF-8 that keeps the file's structure. A lead byte whose partner
// cannot end a character (a line break, a blank, "=", ...) becomes U+FFFD on
// its own and leaves the partner standing; a plain conversion would swallow
// it and turn "ab<lead>=1" into a line without "=". Names are decoded the
// same way, so a file converted as a whole keeps every name and value.
std::string Cp932ToUtf8Kept(std::string_view s) {
  auto trail = [](unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); };
  std::string out;
  std::size_t run = 0;  // start of the text not converted yet
  for (std::size_t pos = 0; pos < s.size();) {
    const auto b = static_cast<unsigned char>(s[pos]);
    if (!IsLeadByte(CodePage::Cp932, b)) {
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
    const std::size_t len = CharByteLength(CodePage::Cp932, s, pos);
    if (len == 1 && s[pos] == ']') found = pos;
    pos += len;
  }
  return found;
}

struct KeyRef {
  Name name;           // folded form of the key's name
  std::uint32_t line;  // index in the section's lines
};

// Keys are searched linearly in small sections; larger ones get a hash index.
constexpr std::size_t kKeyIndexThreshold = 8;

struct Section {
  std::vector<std::string_view> lines;  // each with its line ending; [0] is the header
  std::string_view name;                // trimmed, in UTF-8
  std::vector<KeyRef> keys;             // every key line in order, repeats included
  std::unique_ptr<NameIndex> keyIndex;  // first line of each key, in large sections
  std::uint32_t lastKeyLine = 0;        // the last key line, or the header
  bool primary = false;                 // the first section of its name

  const KeyRef* FindKey(const Name& name) const {
    if (keyIndex) {
      const std::uint32_t* i = keyIndex->Find(name);
      return i ? &keys[*i] : nullptr;
    }
    for (const KeyRef& k : keys)
      if (k.name == name) return &k;
    return nullptr;
  }

  void AddKey(const Name& name, std::uint32_t line) {
    keys.push_back({name, line});
    lastKeyLine = line;
    if (keyIndex) {
      keyIndex->Insert(name, std::uint32_t(keys.size() - 1));
    } else if (keys.size() > kKeyIndexThreshold) {
      keyIndex = std::make_unique<NameIndex>();
      keyIndex->Reserve(keys.size() * 2);
      for (std::uint32_t i = 0; i < keys.size(); ++i) keyIndex->Insert(keys[i].name, i);
    }
  }
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

struct IniDocument::Impl {
  std::string base;               // the bytes read, byte-order mark taken off
  std::deque<std::string> pool;   // lines and folded names made later; never moves
  std::vector<Section> sections;  // [0] holds the lines before the first header
  NameIndex sectionIndex;         // first section of each name
  TextEncoding encoding = TextEncoding::Cp932;
  // Nothing but ASCII so far: the file may still become UTF-8 with a BOM
  // without any conversion.
  bool pureAscii = true;
  std::string_view eol = "\r\n";

  Impl() { sections.emplace_back(); }

  explicit Impl(std::string bytes, std::optional<TextEncoding> forced = std::nullopt)
      : base(std::move(bytes)) {
    pureAscii = IsAscii(base);
    // A file of ASCII only is no evidence of UTF-8; it gets the new-file rule.
    encoding = forced ? *forced : pureAscii ? TextEncoding::Cp932 : DetectIniEncoding(base);
    if (base.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0) {
      base.erase(0, kUtf8Bom.size());
      pureAscii = IsAscii(base);
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

  std::string_view Keep(std::string s) {
    pool.push_back(std::move(s));
    return pool.back();
  }

  // The folded form of a name as it stands in the file, made to last; with
  // the name in UTF-8 when asked for.
  Name StoredName(std::string_view raw, std::string_view* decoded = nullptr) {
    if (IsAscii(raw)) {
      if (decoded) *decoded = raw;
      return Name::Of(raw);
    }
    std::string utf8 = Decode(raw);
    std::string folded = FoldUtf8(utf8);
    if (folded == utf8) {
      const std::string_view kept = Keep(std::move(utf8));
      if (decoded) *decoded = kept;
      return Name::Of(kept);
    }
    if (decoded) *decoded = Keep(std::move(utf8));
    return Name::Of(Keep(std::move(folded)));
  }

  void Parse() {
    sections.clear();
    sectionIndex = NameIndex();
    // Room for every section up front: "[" bounds their number.
    const std::size_t headers = std::size_t(std::count(base.begin(), base.end(), '['));
    sections.reserve(headers + 1);
    sectionIndex.Reserve(headers);
    sections.emplace_back();
    const std::size_t firstBreak = base.find('\n');
    eol = (firstBreak != std::string::npos && firstBreak > 0 && base[firstBreak - 1] == '\r') ||
                  firstBreak == std::string::npos
              ? std::string_view("\r\n")
              : std::string_view("\n");
    const std::string_view all(base);
    std::size_t pos = 0;
    while (pos < all.size()) {
      const void* nl = std::memchr(all.data() + pos, '\n', all.size() - pos);
      const std::size_t end =
          nl ? std::size_t(static_cast<const char*>(nl) - all.data()) + 1 : all.size();
      ParseLine(all.substr(pos, end - pos));
      pos = end;
    }
  }

  void ParseLine(std::string_view line) {
    const std::string_view text = TrimBlanks(Content(line));
    if (!text.empty() && text[0] == '[') {
      const std::size_t close = LastCloseBracket(text, Cp932());
      if (close != std::string_view::npos && close > 0) {
        AddSection(line, TrimBlanks(text.substr(1, close - 1)));
        return;
      }
    }
    Section& sec = sections.back();
    sec.lines.push_back(line);
    if (sections.size() == 1 || text.empty() || text[0] == ';') return;
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) return;
    sec.AddKey(StoredName(TrimBlanks(text.substr(0, eq))), std::uint32_t(sec.lines.size() - 1));
  }

  Section& AddSection(std::string_view headerLine, std::string_view rawName) {
    Section& sec = sections.emplace_back();
    sec.lines.push_back(headerLine);
    const Name key = StoredName(rawName, &sec.name);
    sec.primary = sectionIndex.Insert(key, std::uint32_t(sections.size() - 1));
    return sec;
  }

  // A name from the caller, trimmed, in the form the indexes hold.
  class Query {
   public:
    explicit Query(std::string_view name) : name_(TrimBlanks(name)), ascii_(IsAscii(name_)) {
      if (!ascii_) folded_ = FoldUtf8(name_);
    }
    Name Key() const { return Name::Of(ascii_ ? name_ : std::string_view(folded_)); }

   private:
    std::string_view name_;
    bool ascii_;
    std::string folded_;
  };

  Section* FindSection(std::string_view name) {
    const std::uint32_t* i = sectionIndex.Find(Query(name).Key());
    return i ? &sections[*i] : nullptr;
  }

  static const KeyRef* FindKey(const Section& sec, std::string_view key) {
    return sec.FindKey(Query(key).Key());
  }

  // The text after "=" and the blanks that follow it.
  static std::size_t ValueStart(std::string_view content) {
    std::size_t p = content.find('=') + 1;
    while (p < content.size() && IsBlank(content[p])) ++p;
    return p;
  }

  std::string ToBytes() const {
    std::size_t total = encoding == TextEncoding::Utf8Bom ? kUtf8Bom.size() : 0;
    for (const Section& sec : sections)
      for (std::string_view l : sec.lines) total += l.size();
    std::string out;
    out.reserve(total);
    if (encoding == TextEncoding::Utf8Bom) out.append(kUtf8Bom);
    for (const Section& sec : sections)
      for (std::string_view l : sec.lines) out.append(l);
    return out;
  }

  // The file's last line with a line break, before anything goes after it. A
  // lone "\r" there already ends it and only gets its "\n".
  std::string Terminated(std::string_view last) const {
    return std::string(last) + (Ending(last).empty() ? std::string(eol) : std::string("\n"));
  }

  // Makes sure the file's last line ends with a line break before anything is
  // added after it.
  void TerminateLastLine() {
    for (auto s = sections.rbegin(); s != sections.rend(); ++s) {
      if (s->lines.empty()) continue;
      std::string_view& last = s->lines.back();
      if (!EndsWithBreak(last)) last = Keep(Terminated(last));
      return;
    }
  }
};

IniDocument::IniDocument() : d_(std::make_unique<Impl>()) {}
IniDocument::IniDocument(std::string bytes) : d_(std::make_unique<Impl>(std::move(bytes))) {}
IniDocument::IniDocument(IniDocument&&) noexcept = default;
IniDocument& IniDocument::operator=(IniDocument&&) noexcept = default;
IniDocument::~IniDocument() = default;

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
  const Section* sec = d_->FindSection(section);
  if (!sec) return std::nullopt;
  const KeyRef* k = d_->FindKey(*sec, key);
  if (!k) return std::nullopt;
  const std::string_view content = Content(sec->lines[k->line]);
  std::string_view v = TrimBlanks(content.substr(content.find('=') + 1));
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return d_->Decode(v);
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  auto v = Value(section, key);
  return v ? std::move(*v) : std::string(defaultValue);
}

std::int32_t IniDocument::ReadInteger(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
  const auto v = Value(section, key);
  if (!v) return defaultValue;
  return ParseIniInteger(*v).value_or(defaultValue);
}

std::string IniNameKey(std::string_view name) { return FoldUtf8(TrimBlanks(name)); }

std::vector<std::string> IniDocument::ReadSections() const {
  std::vector<std::string> names;
  names.reserve(d_->sectionIndex.size());
  for (const Section& sec : d_->sections)
    if (sec.primary) names.emplace_back(sec.name);
  return names;
}

void IniDocument::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  for (std::string_view t : {section, key, value}) {
    if (t.find_first_of("\r\n") != std::string_view::npos)
      throw IniInvalidText("line break in an INI name or value");
    if (!IsValidUtf8(t)) throw IniInvalidText("INI text that is not UTF-8");
  }
  // Such a key would read back as another key, a comment or a header.
  if (key.find('=') != std::string_view::npos || (!key.empty() && (key[0] == ';' || key[0] == '[')))
    throw IniInvalidText("INI key that cannot stand on a line");

  // Only the texts that go into the file need its encoding: the value, and
  // the key and section names when they are new. A character CP932 cannot
  // hold turns the whole file into UTF-8 with a BOM: losing the character (or
  // writing it as "?") would lose the user's data.
  Section* sec = d_->FindSection(section);
  const KeyRef* found = sec ? Impl::FindKey(*sec, key) : nullptr;
  std::string raw[3] = {sec ? std::string() : std::string(section),
                        found ? std::string() : std::string(key), std::string(value)};
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
      d_ = std::make_unique<Impl>(Cp932ToUtf8Kept(d_->ToBytes()), TextEncoding::Utf8Bom);
      sec = d_->FindSection(section);
      found = sec ? Impl::FindKey(*sec, key) : nullptr;
    }
  }
  if (!ascii) d_->pureAscii = false;
  const std::string_view rawSection = raw[0], rawKey = raw[1], rawValue = raw[2];
  Impl& d = *d_;

  if (sec) {
    if (found) {
      std::string_view& line = sec->lines[found->line];
      const std::string_view content = Content(line);
      std::string updated(content.substr(0, Impl::ValueStart(content)));
      updated.append(rawValue).append(Ending(line));
      line = d.Keep(std::move(updated));
      return;
    }
    // After the section's last key, before the blank lines that part it from
    // the next one.
    std::string_view& after = sec->lines[sec->lastKeyLine];
    if (!EndsWithBreak(after)) after = d.Keep(d.Terminated(after));
    std::string line;
    line.reserve(rawKey.size() + rawValue.size() + 3);
    line.append(rawKey).append("=").append(rawValue).append(d.eol);
    const std::uint32_t at = sec->lastKeyLine + 1;
    const std::string_view kept = d.Keep(std::move(line));
    sec->lines.insert(sec->lines.begin() + at, kept);
    sec->AddKey(d.StoredName(kept.substr(0, rawKey.size())), at);
    return;
  }

  d.TerminateLastLine();
  std::string header;
  header.reserve(rawSection.size() + 4);
  header.append("[").append(rawSection).append("]").append(d.eol);
  const std::string_view headerLine = d.Keep(std::move(header));
  Section& added = d.AddSection(headerLine, Content(headerLine).substr(1, rawSection.size()));
  std::string line;
  line.append(rawKey).append("=").append(rawValue).append(d.eol);
  const std::string_view kept = d.Keep(std::move(line));
  added.lines.push_back(kept);
  added.AddKey(d.StoredName(kept.substr(0, rawKey.size())), 1);
}

void IniDocument::Clear() { d_ = std::make_unique<Impl>(); }

void IniDocument::SettleEncoding() {
  if (!d_->Cp932() || d_->pureAscii) return;
  std::string bytes = d_->ToBytes();
  if (IsAscii(bytes) || !IsValidUtf8(bytes)) return;
  d_ = std::make_unique<Impl>(Cp932ToUtf8Kept(bytes), TextEncoding::Utf8Bom);
}

std::string IniDocument::ToBytes() const { return d_->ToBytes(); }

TextEncoding IniDocument::Encoding() const { return d_->encoding; }

std::string_view IniDocument::LineEnding() const { return d_->eol; }

} // namespace hb
