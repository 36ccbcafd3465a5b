// The swatches of the side panel and of the hue schemes: one maker for all
// of them (color/Swatches.h); a swatch's click makes its colour current.

#include "app/frmMain.h"
#include "collections/SwatchGrid.h"
#include "color/Swatches.h"

void TfrmMain::WireSwatches() {
  Swatches = new hb::TSwatches(this, cmdColorView, hb::kSwatchSize,
                               [this](QObject* swatch) { btnClicktoColorPanel(swatch); });
}

void TfrmMain::btnClicktoColorPanel(QObject* Sender) {
  if (const std::optional<QColor> color = Swatches->Clicked(Sender))
    SetColors(color->red(), color->green(), color->blue());
}
