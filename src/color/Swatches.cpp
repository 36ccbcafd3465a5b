#include "color/Swatches.h"

#include <QPointer>
#include <QTextDocument>

#include "color/Contrast.h"
#include "color/QtColor.h"
#include "support/PictureButton.h"
#include "support/ProcessPending.h"

namespace hb {

void SetColorHint(TPictureButton* button, const std::string& suffix, const TPictureButton* current) {
  const QColor c = button->Color();
  QString hint = QStringLiteral("R:%1 G:%2 B:%3").arg(c.red()).arg(c.green()).arg(c.blue());
  if (!suffix.empty()) hint += QLatin1Char(' ') + QString::fromStdString(suffix);
  button->SetHint(hint);
  button->SetShowHint(true);
  if (current && button != current)
    button->SetHintExtra([button, current = QPointer<const TPictureButton>(current)] {
      if (!current) return QString();
      return QString::fromStdString(ContrastHintSuffix(BytesOf(button->Color()), BytesOf(current->Color())));
    });
}

TSwatches::TSwatches(QObject* parent, const TPictureButton* current, int size, std::function<void(QObject*)> onClick)
    : QObject(parent), current_(current), size_(size), onClick_(std::move(onClick)) {}

TPictureButton* TSwatches::Create(QWidget* parent, const QColor& color, const std::string& hintSuffix) const {
  auto* swatch = new TPictureButton(parent);
  swatch->resize(size_, size_);
  swatch->SetButtonStyle(current_->ButtonStyle());
  swatch->setCursor(Qt::PointingHandCursor);
  swatch->SetPaintedColor(painted_);
  // Out of the tab chain: a palette would take thousands of Tabs to cross.
  // Its grid is the tab stop (color/SwatchKeys.h).
  swatch->setFocusPolicy(Qt::ClickFocus);
  Recolor(swatch, color, hintSuffix);
  connect(swatch, &QAbstractButton::clicked, this, [this, swatch] { onClick_(swatch); });
  swatch->show();
  return swatch;
}

void TSwatches::Recolor(TPictureButton* swatch, const QColor& color, const std::string& hintSuffix) const {
  // One colour whatever the pointer does.
  swatch->SetColor(color);
  swatch->SetInColor(color);
  SetHint(swatch, hintSuffix);
}

void TSwatches::SetHint(TPictureButton* swatch, const std::string& hintSuffix) const {
  SetColorHint(swatch, hintSuffix, current_);
  // Names come from palette files: a name that looks like markup is shown as
  // the text it is, never rendered (no pictures or links from a file).
  if (Qt::mightBeRichText(swatch->Hint()))
    swatch->SetHint(QStringLiteral("<p style='white-space:pre'>%1</p>").arg(swatch->Hint().toHtmlEscaped()));
}

std::optional<QColor> TSwatches::Clicked(QObject* sender) const {
  QPointer<TPictureButton> swatch = qobject_cast<TPictureButton*>(sender);
  ProcessPending();
  if (!swatch) return std::nullopt;
  // Disabled, a focused swatch hands the focus on; it takes it back, the
  // way it had it (the keyboard's frame stays for a keyboard user).
  const bool focused = swatch->window()->focusWidget() == swatch;
  const bool keyboard = swatch->KeyboardFocus();
  swatch->setEnabled(false);
  const QColor color = swatch->Color().toRgb();
  swatch->setEnabled(true);
  if (focused) swatch->setFocus(keyboard ? Qt::TabFocusReason : Qt::OtherFocusReason);
  return color;
}

} // namespace hb
