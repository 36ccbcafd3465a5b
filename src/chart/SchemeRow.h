#pragma once
// The row of hue-scheme swatches over the lower half of the big swatch: which
// scheme is chosen, the colours of its companions, and the swatches that show
// them, rebuilt whole from the HSV track bars at every rebuild.

#include <QColor>
#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <vector>

#include "chart/HueScheme.h"

class QAbstractButton;
class TPictureButton;

namespace hb {

class TTrackBar;

class TSchemeRow : public QObject {
  Q_OBJECT
 public:
  // Makes one swatch of the colour, shown, in parent, wired to its click.
  using SwatchFactory = std::function<TPictureButton*(QWidget* parent, const QColor& color)>;

  struct Controls {
    TPictureButton* view;  // the big swatch the row lies over
    TTrackBar* hue;
    TTrackBar* saturation;
    TTrackBar* value;
    // The option buttons in THueScheme order, "無し" first.
    std::array<QAbstractButton*, 6> options;
  };

  // Gives a swatch already made another colour.
  using SwatchColorer = std::function<void(TPictureButton* swatch, const QColor& color)>;

  TSchemeRow(QObject* parent, const Controls& controls, SwatchFactory factory, SwatchColorer colorer);

  // Colours and swatches of the row, in swatch order; entry i of
  // SchemeSwatches shows entry i of SchemeColors.
  std::vector<QColor> SchemeColors;
  std::vector<QPointer<TPictureButton>> SchemeSwatches;

  // Clear, then the colours of the first option that is down from the track
  // bars' whole-number HSV, then the swatches. Never fails: whatever goes
  // wrong leaves the row as far as it got.
  void Update();
  // The colours Update would give, painted into the swatches already there
  // when the scheme keeps their number; otherwise Update. A sampling burst
  // follows the colour every display frame, and making eight controls anew
  // costs about as much as the frame's whole painting.
  void Recolor();
  void Clear();
  void AddColor(const QColor& color);
  void Build();

  // How many times the row was brought up to date (Update or Recolor).
  int Rebuilds() const { return rebuilds_; }

  THueScheme ChosenScheme() const;
  // The track bars' position as HSV: degrees, percent / 100.
  THSVColor TrackBarHSV() const;

 private:
  Controls controls_;
  SwatchFactory factory_;
  SwatchColorer colorer_;
  // Swatches taken off the row, hidden, freed at the next rebuild: a swatch's
  // click lets pending messages run, so a rebuild can come inside that very
  // click, and the swatch must outlive it.
  std::vector<QPointer<TPictureButton>> retired_;
  int rebuilds_ = 0;
};

} // namespace hb
