#pragma once
// The side panel of the main window: the palettes loaded at start-up, the
// switching between the keep, history and palette views, the palette view's
// swatches and labels, and the mouse wheel over the views.

#include <QObject>
#include <QPoint>
#include <string>
#include <vector>

#include "collections/PalletFile.h"
#include "collections/SwatchPages.h"

class QLabel;
class QScrollArea;
class QWidget;
class TfrmMain;
class TPictureButton;

namespace hb {

// Moves Box's vertical scroll bar one line step (a tenth of nine tenths of
// the client height) down or up when MousePos (screen coordinates) lies
// strictly inside Box in its client coordinates, and Box is visible and
// enabled; gives Box the focus then.
void WheelScrollBox(QScrollArea* Box, QPoint MousePos, bool Down);

// A palette view shows at most this many colours: beyond it the controls
// would take seconds and hundreds of megabytes to build.
inline constexpr std::size_t kMaxPalletViewItems = 10000;

class TSidePanel : public QObject {
 public:
  explicit TSidePanel(TfrmMain& Window);
  ~TSidePanel() override;

  std::vector<TPalletData> PalletList;
  std::vector<TPictureButton*> PalletButtons;
  std::vector<QLabel*> PalletLabels;

  // One plug-in file found by the start-up search.
  void AddPallet(const std::string& FileName, const std::string& Path);
  // Adds every palette's name to the selector, after its two fixed items.
  void ListPallets();

  void SelectChange();
  void ShowPallet(const std::string& Name);
  // Frees the palette view's controls one by one, letting pending messages run
  // before each (the window's closing).
  void FreePalletView();

 protected:
  // Wheel turns over the main window, gathered into whole notches.
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void BuildPalletView(const TPalletData* Pallet);
  void FreeControls(bool ProcessPendingFirst);

  TfrmMain& w_;
  PalletFolders palletFolders_;  // which folder gave each palette name
  SwatchPages pages_;            // the palette view's pages of rows
  int wheelRemainder_ = 0;  // eighths of a degree not yet making a notch
};

} // namespace hb
