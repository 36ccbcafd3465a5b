// The palette editor's save, over and over, for the crash-safety run
// (editor_crash.sh), which kills it at random moments.
//   editor_save_loop save PATH FIRST COUNT   saves versions FIRST.. of a
//       1,000-colour palette, printing "saved V" once version V is in place
//   editor_save_loop check PATH              prints the version the file
//       holds, or fails when the file is not one whole version

#include <cstdio>
#include <cstdlib>
#include <string>

#include "editor/EditorItems.h"
#include "settings/IniFile.h"

namespace {

constexpr int kColours = 1000;

// Version v: colour i has red i % 256, green v % 256, blue v / 256 % 256,
// so every colour tells which version it belongs to.
std::vector<tColors> Version(int v) {
  std::vector<tColors> items;
  items.reserve(kColours);
  for (int i = 0; i < kColours; ++i) items.push_back({"Colour " + std::to_string(i), i % 256, v % 256, v / 256 % 256});
  return items;
}

int Check(const std::string& path) {
  hb::TIniFile file(path);
  const std::vector<std::string> names = file.ReadSections();
  if (names.size() != std::size_t(kColours)) {
    std::printf("torn: %zu sections\n", names.size());
    return 1;
  }
  int version = -1;
  for (int i = 0; i < kColours; ++i) {
    const std::string& name = names[std::size_t(i)];
    if (name != "Colour " + std::to_string(i)) {
      std::printf("torn: section %d is %s\n", i, name.c_str());
      return 1;
    }
    const int r = file.ReadInteger(name, "R", -1);
    const int g = file.ReadInteger(name, "G", -1);
    const int b = file.ReadInteger(name, "B", -1);
    if (r != i % 256 || g < 0 || b < 0) {
      std::printf("torn: section %d holds %d %d %d\n", i, r, g, b);
      return 1;
    }
    const int v = b * 256 + g;
    if (version == -1) version = v;
    if (v != version) {
      std::printf("torn: versions %d and %d mixed\n", version, v);
      return 1;
    }
  }
  std::printf("version %d\n", version);
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 2 ? argv[1] : "";
  if (mode == "check") return Check(argv[2]);
  if (mode == "save" && argc == 5) {
    const int first = std::atoi(argv[3]);
    const int count = std::atoi(argv[4]);
    for (int v = first; v < first + count; ++v) {
      try {
        hb::SavePaletteEntries(argv[2], Version(v));
      } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
      }
      std::printf("saved %d\n", v);
      std::fflush(stdout);
    }
    return 0;
  }
  std::fprintf(stderr, "usage: editor_save_loop save PATH FIRST COUNT | check PATH\n");
  return 2;
}
