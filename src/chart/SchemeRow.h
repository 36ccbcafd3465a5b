#pragma once
// The row of hue-scheme swatches over the lower half of the big swatch: which
// scheme is chosen, the colours of its companions, and the swatches that show
// them, rebuilt whole from the track bars' HSV, given at every rebuild.

#include <QColor>
#include <QObject>
#include <QPointer>
#include <array>
#include <vector>

#include "chart/HueScheme.h"

class QAbstractButton;
class TPictureButton;

namespace hb {

class TSwatches;

class TSchemeRow : public QObject {
  Q_OBJECT
 public:
  struct Controls {
    TPictureButton* view;  // the big swatch the row lies over
    // The option buttons in THueScheme order, "無し" first.
    std::array<QAbstractButton*, 6> options;
  };

  TSchemeRow(QObject* parent, const Controls& controls, const TSwatches& swatches);

  // Colours and swatches of the row, in swatch order; entry i of
  // SchemeSwatches shows entry i of SchemeColors.
  std::vector<QColor> SchemeColors;
  std::vector<QPointer<TPictureButton>> SchemeSwatches;

  // Clear, then the colours of the first option that is down from hsv (the
  // track bars' whole-number HSV), then the swatches. Whatever goes wrong
  // leaves the row as far as it got.
  void Update(THSVColor hsv);
  // The colours Update would give, painted into the swatches already there
  // when the scheme keeps their number; otherwise Update. A sampling burst
  // follows the colour every display frame, and making eight controls anew
  // costs about as much as the frame's whole painting.
  void Recolor(THSVColor hsv);
  void Clear();
  void AddColor(const QColor& color);
  void Build();

  // How many times the row was brought up to date (Update or Recolor).
  int Rebuilds() const { return rebuilds_; }

  THueScheme ChosenScheme() const;

 private:
  Controls controls_;
  const TSwatches& swatches_;
  // Swatches taken off the row, hidden, freed at the next rebuild: a swatch's
  // click lets pending messages run, so a rebuild can come inside that very
  // click, and the swatch must outlive it.
  std::vector<QPointer<TPictureButton>> retired_;
  int rebuilds_ = 0;
};

} // namespace hb
