#pragma once
// The current colour of the main window and its controls: the RGB, HSV and
// CMYK track bars and spin edits, the hexadecimal field, the big swatch and
// the status bar's web-safe and contrast panels. Every change of colour is
// one call of Show with the colour as a value; the shown values are worked
// out once (ShownColor) and the controls set without notifying, so a change
// of one control never comes back as a change of another.

#include <QColor>
#include <QObject>
#include <array>
#include <functional>
#include <string_view>

#include "color/ColorConvert.h"
#include "color/ShownColor.h"

class QAbstractButton;
class QLineEdit;
class TPictureButton;

namespace hb {

class TSpinEdit;
class TStatusBar;
class TTrackBar;

class TCurrentColor : public QObject {
 public:
  struct Controls {
    // In group order: R G B, H S V, C M Y K.
    std::array<TTrackBar*, 3> rgbBars;
    std::array<TSpinEdit*, 3> rgbSpins;
    std::array<TTrackBar*, 3> hsvBars;
    std::array<TSpinEdit*, 3> hsvSpins;
    std::array<TTrackBar*, 4> cmykBars;
    std::array<TSpinEdit*, 4> cmykSpins;
    QLineEdit* hex;
    TPictureButton* view;  // the big swatch
    TStatusBar* status;    // panel 0: web-safe, panel 2: contrast
    // The reset and the hexadecimal field's 読込み, disabled with the
    // colour controls during the dynamic capture.
    std::array<QWidget*, 2> buttons;
  };

  // shown runs after every refresh (the scheme row follows the colour).
  TCurrentColor(QObject* parent, const Controls& controls, std::function<void()> shown);

  // The refresh: every control shows color. A component outside 0..255 keeps
  // the value its spin edit shows. A refresh that fails part-way keeps what
  // it set; the controls answer the user again whatever happened.
  void Show(TColorData color);
  // A control of group changed (a track bar's or a spin edit's): the group
  // makes the new colour, a single step moving on until its shown value changes.
  void GroupChanged(TColorGroup group, bool trackBars);
  // The hexadecimal field's text as the colour (six hexadecimal digits, or a
  // CSS colour; one outside sRGB is mapped in and the status bar says so);
  // text that is neither tells the valid range.
  void ShowHex(std::string_view text);
  // Whether changes of the controls count as the user's (the refresh always
  // ends with them counting).
  void SetHooked(bool hooked) { hooked_ = hooked; }
  void SetEnabled(bool enabled);
  // A notice in the status bar's first panel, where the web-safe indicator
  // stands; an empty one puts the indicator of the current colour back.
  void ShowNotice(const std::string& notice);

  QColor Color() const;
  // The HSV the track bars show, as whole degrees and percent / 100.
  THSVColor TrackBarHSV() const { return hsv_; }

  // Test seams: a hook before each step of the refresh (it may throw to stand
  // for a failure), and counts of refreshes and of their nesting.
  std::function<void(int step)> StepHookForTesting;
  int RefreshDepth() const { return depth_; }
  int MaxRefreshDepth() const { return maxDepth_; }
  int RefreshCount() const { return count_; }

 private:
  Controls c_;
  std::function<void()> shown_;
  THSVColor hsv_{0, 0, 0};
  bool hooked_ = false;
  int depth_ = 0;
  int maxDepth_ = 0;
  int count_ = 0;
};

} // namespace hb
