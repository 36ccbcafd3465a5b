#pragma once
// The colour-vision simulation of the main window: which deficiency the
// swatches are painted for, the painting itself (given to every swatch that
// follows it) and the status bar's word that a simulation is on. Values,
// codes and hints stay the true colours: only the painting changes.

#include <QColor>
#include <QObject>
#include <functional>
#include <memory>

#include "color/ColorVision.h"

class QWidget;

namespace hb {

class TStatusBar;

class TVisionSimulation : public QObject {
 public:
  struct Controls {
    QWidget* window;     // repainted when the choice changes
    TStatusBar* status;  // panel 1 names the simulation on
  };
  TVisionSimulation(QObject* parent, const Controls& controls);

  TColorVision Vision() const { return *vision_; }
  void SetVision(TColorVision vision);

  // How a swatch paints its face colour; it follows every later choice.
  std::function<QColor(const QColor&)> Painter() const;

  // The status bar's word for a simulation ("P型表示"), empty for none.
  static const char* StatusText(TColorVision vision);
  // The menu's caption of a choice.
  static const char* Caption(TColorVision vision);

 private:
  Controls c_;
  // Shared with the painters, which may outlive this object in a closing window.
  std::shared_ptr<TColorVision> vision_ = std::make_shared<TColorVision>(TColorVision::Normal);
};

} // namespace hb
