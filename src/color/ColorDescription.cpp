#include "color/ColorDescription.h"

#include <QCoreApplication>
#include <QEvent>

#include "color/Contrast.h"
#include "color/QtColor.h"
#include "support/PictureButton.h"

namespace hb {

TColorDescription::TColorDescription(QObject* parent, TPictureButton* view) : QObject(parent), view_(view) {
  view_->installEventFilter(this);
  Update();
}

void TColorDescription::Update() {
  described_ = view_->Color();
  view_->setAccessibleDescription(QCoreApplication::translate("Accessibility", "%1、コントラスト %2")
                                      .arg(described_.name(QColor::HexRgb).toUpper(),
                                           QString::fromStdString(ContrastPanelText(BytesOf(described_)))));
}

bool TColorDescription::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::Paint && view_->Color() != described_) Update();
  return false;
}

} // namespace hb
