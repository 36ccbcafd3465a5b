#pragma once
// The side panel of the main window: the palettes loaded at start-up, the
// switching between the keep, history and palette views, the palette view's
// swatches and labels, and the mouse wheel over the views.

#include <QObject>
#include <QPoint>
#include <functional>
#include <string>
#include <vector>

#include "collections/PaletteFile.h"
#include "collections/SwatchPages.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QScrollArea;
class QWidget;
class TPictureButton;

namespace hb {

class TSwatches;

// Moves Box's vertical scroll bar one line step (a tenth of nine tenths of
// the client height) down or up when MousePos (screen coordinates) lies
// strictly inside Box in its client coordinates, and Box is visible and
// enabled; gives Box the focus then.
void WheelScrollBox(QScrollArea* Box, QPoint MousePos, bool Down);

// A palette view shows at most this many colours: beyond it the controls
// would take seconds and hundreds of megabytes to build.
inline constexpr std::size_t kMaxPaletteViewItems = 10000;

class TSidePanel : public QObject {
 public:
  struct Controls {
    QWidget* window;  // the main window: its wheel turns, its font
    QComboBox* select;
    QWidget* keepBase;  // the keep view with its buttons
    QScrollArea* keepBox;
    QScrollArea* paletteBox;
    QWidget* palette;  // the palette view's panel
    QScrollArea* historyBox;
    QWidget* history;
    QProgressBar* progress;
  };
  // palettes: those the start-up search found (TFoundPalettes).
  // wheel: one whole notch of the wheel over the window, down or up.
  using WheelFn = std::function<void(bool down, Qt::KeyboardModifiers modifiers, QPoint global)>;
  // notice: what the view on show cannot show (an empty text when it shows all).
  using NoticeFn = std::function<void(const std::string& notice)>;

  TSidePanel(QObject* parent, const Controls& controls, const TSwatches& swatches,
             std::vector<TPalletData> palettes, WheelFn wheel, NoticeFn notice);
  ~TSidePanel() override;

  std::vector<TPalletData> PalletList;
  std::vector<TPictureButton*> PalletButtons;
  std::vector<QLabel*> PalletLabels;

  // Adds every palette's name to the selector, after its two fixed items.
  void ListPalettes();

  void SelectChange();
  void ShowPallet(const std::string& Name);
  // A notch of the wheel: the palette and keep views scroll a line when the
  // mouse is over them.
  void ScrollViews(QPoint global, bool down);
  // Frees the palette view's controls one by one, letting pending messages run
  // before each (the window's closing).
  void FreePaletteView();

 protected:
  // Wheel turns over the main window, gathered into whole notches.
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void BuildPaletteView(const TPalletData* Palette);
  void FreeControls(bool ProcessPendingFirst);

  Controls c_;
  const TSwatches& swatches_;
  WheelFn wheel_;
  NoticeFn notice_;
  TSwatchPages pages_;            // the palette view's pages of rows
  int wheelRemainder_ = 0;  // eighths of a degree not yet making a notch
};

} // namespace hb
