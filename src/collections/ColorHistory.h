#pragma once
// The colour history view: a timer samples the current colour ten times a
// second and appends it when it differs from the newest entry, except while
// the left mouse button is held anywhere on the screen. At most 32 swatches;
// when full the colours move one swatch towards the start and the swatches
// stay where they are.

#include <QObject>
#include <functional>
#include <vector>

#include "collections/HistoryRing.h"

class QColor;
class QWidget;
class TPictureButton;

namespace hb {

class TSwatches;
class TTimer;

class TColorHistory : public QObject {
  Q_OBJECT
 public:
  // The current colour.
  using ColorSource = std::function<QColor()>;

  TColorHistory(QObject* owner, QWidget* panel, TTimer* timer, const TSwatches& swatches, ColorSource currentColor);

  const std::vector<TPictureButton*>& Buttons() const { return buttons_; }

  // The timer's tick: records unless the left button is down, then re-arms.
  void Tick();
  void Record();
  // Frees the swatches one by one, letting events run before each.
  void Clear();

 private:
  QWidget* panel_;
  TTimer* timer_;
  const TSwatches& swatches_;
  ColorSource currentColor_;
  THistoryRing ring_;
  std::vector<TPictureButton*> buttons_;
};

} // namespace hb
