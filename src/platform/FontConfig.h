#pragma once
// fontconfig's start: reading its configuration files and font caches, most
// of what the first font look-up costs, done ahead of Qt.

#include <functional>
#include <future>

namespace hb {

// Loads fontconfig's configuration and fonts, once; any thread may call it.
// Qt's font database, populated later, finds them loaded. It must be done
// before Qt first asks for a font: two threads loading at once would each
// load everything.
void LoadFontConfig();

// LoadFontConfig on a thread of its own, at a lower priority than the
// caller's, which goes on with work that needs no font; then, on the same
// thread, whatever follows it (a font look-up). Ready when the future is.
std::future<void> StartFontConfig(std::function<void()> then = {});

} // namespace hb
