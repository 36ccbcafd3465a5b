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

class TTimer;

class ColorHistory : public QObject {
  Q_OBJECT
 public:
  // Makes a swatch of the colour on the panel, set up as every swatch is, not yet shown.
  using SwatchFactory = std::function<TPictureButton*(QWidget* parent, const QColor& color)>;
  // Gives a swatch the hint of its own colour.
  using HintSetter = std::function<void(TPictureButton* swatch)>;
  // The current colour.
  using ColorSource = std::function<QColor()>;

  ColorHistory(QObject* owner, QWidget* pnlHistory, TTimer* timHistory, SwatchFactory createSwatch,
               HintSetter setHint, ColorSource currentColor);

  const std::vector<TPictureButton*>& HistoryButtons() const { return buttons_; }

  // The timer's tick: records unless the left button is down, then re-arms.
  void timHistoryTimer();
  void RecordHistory();
  // Frees the swatches one by one, letting events run before each.
  void Clear();

 private:
  QWidget* panel_;
  TTimer* timer_;
  SwatchFactory createSwatch_;
  HintSetter setHint_;
  ColorSource currentColor_;
  HistoryRing ring_;
  std::vector<TPictureButton*> buttons_;
};

} // namespace hb
