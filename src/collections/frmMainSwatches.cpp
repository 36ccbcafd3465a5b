// The swatches of the side panel and of the hue schemes: how every swatch is
// set up, and its click, which makes the swatch's colour current.

#include <QPointer>
#include <QTextDocument>

#include "app/frmMain.h"
#include "collections/SwatchGrid.h"
#include "support/ProcessPending.h"

TPictureButton* TfrmMain::CreateSwatch(QWidget* Parent, const QColor& Color,
                                       const std::string& HintSuffix) {
  // The parent frees the swatch with its view; the views free them earlier
  // when they rebuild.
  auto* swatch = new TPictureButton(Parent);
  swatch->resize(hb::kSwatchSize, hb::kSwatchSize);
  swatch->SetButtonStyle(cmdColorView->ButtonStyle());
  swatch->setCursor(Qt::PointingHandCursor);
  ColorSwatch(swatch, Color, HintSuffix);
  connect(swatch, &QAbstractButton::clicked, this, [this, swatch] { btnClicktoColorPanel(swatch); });
  swatch->show();
  return swatch;
}

void TfrmMain::ColorSwatch(TPictureButton* Swatch, const QColor& Color, const std::string& HintSuffix) {
  // One colour whatever the pointer does.
  Swatch->SetColor(Color);
  Swatch->SetInColor(Color);
  Swatch->SetShowHint(true);
  SetColorHint(Swatch, HintSuffix);
  // Names come from palette files: a name that looks like markup is shown as
  // the text it is, never rendered (no pictures or links from a file).
  if (Qt::mightBeRichText(Swatch->Hint()))
    Swatch->SetHint(QStringLiteral("<p style='white-space:pre'>%1</p>").arg(Swatch->Hint().toHtmlEscaped()));
}

void TfrmMain::btnClicktoColorPanel(QObject* Sender) {
  try {
    // Pending messages may rebuild a view and free this very swatch.
    QPointer<TPictureButton> swatch = qobject_cast<TPictureButton*>(Sender);
    hb::ProcessPending();
    if (!swatch) return;

    swatch->setEnabled(false);
    const QColor color = swatch->Color().toRgb();
    swatch->setEnabled(true);

    HookChangeEvents(false);
    SetColors(color.red(), color.green(), color.blue());
    HookChangeEvents(true);
  } catch (...) {
    // A failed click leaves the current colour as it was.
  }
}
