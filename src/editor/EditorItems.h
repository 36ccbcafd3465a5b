#pragma once
// The palette editor's entries and what can be decided about them without a
// window: the name of a new entry, an entry made from a kept colour, names
// that a palette file cannot hold, names that would share a section, the
// writing of the palette file, and GIMP palettes read and exported.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "collections/PaletteFile.h"

// One entry of the editor: a colour's name and its red, green and blue, the
// same record a palette file is read into.
using tColors = TItemData;

namespace hb {

// "新規プラグイン#" followed by the smallest n of 1 to 100 that no entry is
// named after exactly; n = 101 once all hundred are taken (even if that name
// is in use too). Linear in the number of entries.
std::string NewEntryName(const std::vector<tColors>& items);

// The entry for a kept colour value (red in the low byte): named by its hex
// digits RRGGBB, with the values those digits stand for.
tColors KeepEntry(std::uint32_t color);

// Whether a palette file written with name as a section gives name back,
// unchanged, when it is read.
bool NameRoundTrips(std::string_view name);

// What keeps name from coming back from a palette file as it was, in words
// the user reads (a line break, blanks at either end, else characters the
// file cannot hold). Empty exactly when NameRoundTrips(name).
std::vector<std::string> NameProblems(std::string_view name);

// The names that more than one entry carries, as the palette file compares
// them (case and surrounding blanks ignored), once each, in the order of
// their first entry. Such entries would share one section.
std::vector<std::string> RepeatedNames(const std::vector<tColors>& items);

// Replaces the file at path with one section per entry, in order, holding the
// keys R, G and B in decimal. The old file stays as it was unless the whole
// new one is in place. perEntry runs after each entry is laid out. Throws
// IniWriteError ("<path> に書き込めません") when the file cannot be written.
void SavePaletteEntries(const std::string& path, const std::vector<tColors>& items,
                       const std::function<void()>& perEntry = {});

// A palette file the editor opened: its colours in file order and the
// palette's name.
struct TEditorPalette {
  std::string Name;
  std::vector<tColors> Items;
};

// The palette in the file at path. A file whose first line is "GIMP Palette"
// is read as a GIMP palette, whatever its name ends in, and named by its
// Name: line; any other file is read as a plug-in file. Without a Name: line
// the palette is named by the file name without its extension. A file that
// is neither gives no colours. perEntry runs once for each entry.
TEditorPalette ReadEditorPalette(const std::string& path, const std::function<void()>& perEntry = {});

// Replaces the file at path with the entries as a GIMP palette (UTF-8, 16
// columns), named name, or by the file name without its extension when name
// is empty. Each value is written as its low eight bits, the colour a swatch
// shows. The old file stays as it was unless the whole new one is in place;
// throws IniWriteError ("<path> に書き込めません") when it cannot be written.
void ExportGplEntries(const std::string& path, const std::string& name, const std::vector<tColors>& items);

} // namespace hb
