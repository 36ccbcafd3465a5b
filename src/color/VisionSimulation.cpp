#include "color/VisionSimulation.h"

#include <QWidget>

#include "support/StatusBar.h"

#include <QCoreApplication>

namespace hb {

TVisionSimulation::TVisionSimulation(QObject* parent, const Controls& controls) : QObject(parent), c_(controls) {}

void TVisionSimulation::SetVision(TColorVision vision) {
  if (*vision_ == vision) return;
  *vision_ = vision;
  c_.status->SetPanelText(1, QCoreApplication::translate("TVisionSimulation", StatusText(vision)));
  // Every swatch repaints with the window; none holds a painted colour of its own.
  c_.window->update();
}

std::function<QColor(const QColor&)> TVisionSimulation::Painter() const {
  return [vision = vision_](const QColor& color) {
    if (*vision == TColorVision::Normal) return color;
    const QRgb rgb = color.rgb();
    const TRGBBytes seen =
        SimulatedColor(*vision, {std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb))});
    return QColor(seen.R, seen.G, seen.B);
  };
}

const char* TVisionSimulation::StatusText(TColorVision vision) {
  switch (vision) {
    case TColorVision::Protan: return QT_TRANSLATE_NOOP("TVisionSimulation", "P型表示");
    case TColorVision::Deutan: return QT_TRANSLATE_NOOP("TVisionSimulation", "D型表示");
    case TColorVision::Tritan: return QT_TRANSLATE_NOOP("TVisionSimulation", "T型表示");
    case TColorVision::Normal: break;
  }
  return "";
}

const char* TVisionSimulation::Caption(TColorVision vision) {
  switch (vision) {
    case TColorVision::Protan: return QT_TRANSLATE_NOOP("TVisionSimulation", "P型");
    case TColorVision::Deutan: return QT_TRANSLATE_NOOP("TVisionSimulation", "D型");
    case TColorVision::Tritan: return QT_TRANSLATE_NOOP("TVisionSimulation", "T型");
    case TColorVision::Normal: break;
  }
  return QT_TRANSLATE_NOOP("TVisionSimulation", "なし");
}

} // namespace hb
