#pragma once
// The clipboard, as plain text, behind a seam so that tests read what the
// program put there without touching the desktop's clipboard.

#include <functional>
#include <string>

#include "values/ScopedStandIn.h"

namespace hb {

class ClipboardService {
 public:
  virtual ~ClipboardService() = default;
  // Replaces everything on the clipboard with text (UTF-8), as plain text.
  // Throws std::runtime_error when the clipboard cannot be written.
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Text() = 0;
};

// The clipboard in use: the system's, or the one a test installed.
ClipboardService& TheClipboard();

// Tests install their own service; nullptr restores the real one.
void SetClipboardServiceForTesting(ClipboardService* service);

// Keeps the text; a test can make writes fail.
class FakeClipboard : public ClipboardService {
 public:
  void SetText(const std::string& text) override;
  std::string Text() override { return text; }
  std::string text;
  int writes = 0;
  bool failWrites = false;
};

// The stand-in in place for the scope.
class ScopedFakeClipboard {
 public:
  FakeClipboard clipboard;

 private:
  TScopedStandIn<ClipboardService, &SetClipboardServiceForTesting> in_{clipboard};
};

} // namespace hb
