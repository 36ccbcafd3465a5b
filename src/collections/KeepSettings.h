#pragma once
// The keep list in the settings file: section "Keep", key "Count", then keys
// "0", "1", ... holding kept-colour texts (KeepColorText.h).

#include <cstdint>
#include <string>
#include <vector>

namespace hb {

class TIniDocument;
class TIniFile;

// A damaged file must not make the start-up hang or exhaust memory: a stored
// Count above this reads as this, a negative one as 0.
inline constexpr std::int32_t kKeepCountLimit = 65536;

// The number of entries to read for a stored Count.
int KeepCountToRead(std::int32_t stored);

// The texts of keys 0 .. Count - 1 of section "Keep", in order. A missing
// file, section or a Count that is no number give none; a missing key below
// Count gives an empty text (a white swatch).
std::vector<std::string> ReadKeepTexts(const TIniFile& file);
std::vector<std::string> ReadKeepTexts(const TIniDocument& document);

// The colours those texts name, in order; a text that names no colour is left out.
std::vector<std::uint32_t> KeepColorsFromTexts(const std::vector<std::string>& texts);

// Writes Count, then keys "0" .. in order, as one replacement of the file:
// keys at Count and above, other sections and other keys stay as they are.
// Throws IniWriteError when the file cannot be written; it is then unchanged.
void WriteKeepList(TIniFile& file, const std::vector<std::uint32_t>& colors);

} // namespace hb
