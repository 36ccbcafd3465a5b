#pragma once
// Swatches: the small colour buttons of the side panel's views and of the
// hue-scheme row. Every swatch is made the one way, its hint tells its colour
// (and, when it shows, its contrast with the current colour), and its click
// makes its colour current.

#include <QColor>
#include <QObject>
#include <functional>
#include <optional>
#include <string>

class QWidget;
class TPictureButton;

namespace hb {

// The hint "R:r G:g B:b[ suffix]" of a button's colour. A swatch other than
// current also tells its contrast with current's colour, worked out when the
// hint shows, since the current colour changes under a hint set earlier.
void SetColorHint(TPictureButton* button, const std::string& suffix, const TPictureButton* current);

class TSwatches : public QObject {
 public:
  // current: the big swatch, whose style and colour the swatches follow.
  // size: a swatch's width and height. onClick: a swatch was clicked.
  TSwatches(QObject* parent, const TPictureButton* current, int size, std::function<void(QObject*)> onClick);

  // A swatch of the colour in parent, shown; its parent frees it with its view.
  TPictureButton* Create(QWidget* parent, const QColor& color, const std::string& hintSuffix = {}) const;
  // Gives a swatch already made another colour and the hint that tells it.
  void Recolor(TPictureButton* swatch, const QColor& color, const std::string& hintSuffix = {}) const;
  void SetHint(TPictureButton* swatch, const std::string& hintSuffix = {}) const;

  // The colour of the swatch that was clicked, once pending messages have run
  // (they may rebuild a view and free that very swatch: then nothing).
  std::optional<QColor> Clicked(QObject* sender) const;

 private:
  const TPictureButton* current_;
  int size_;
  std::function<void(QObject*)> onClick_;
};

} // namespace hb
