#pragma once
// The named colour nearest to the current colour, among the palettes loaded
// at start-up, in the status bar's fourth panel and at the end of the big
// swatch's hint. The index is made once for the palettes; the window asks for
// a search at most once per display frame.

#include <QObject>
#include <QString>
#include <vector>

#include "collections/PaletteFile.h"
#include "color/NameIndex.h"

class TPictureButton;

namespace hb {

class TStatusBar;

class TNearestName : public QObject {
 public:
  struct Controls {
    TStatusBar* status;    // panel 3
    TPictureButton* view;  // the big swatch, whose hint ends with the name
  };
  TNearestName(QObject* parent, const Controls& controls);

  void SetPalettes(const std::vector<TPalletData>& palettes);
  // Finds and shows the name nearest to color.
  void Show(const QColor& color);
  QString Text() const { return text_; }

 private:
  Controls c_;
  TNameIndex index_;
  QString text_;
};

} // namespace hb
