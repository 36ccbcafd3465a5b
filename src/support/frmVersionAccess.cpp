// The version dialog for assistive technology: the two links say where they
// lead; the close button's caption is its name.

#include <QCoreApplication>

#include "support/PictureButton.h"
#include "support/URLLink.h"
#include "support/frmVersion.h"

void TfrmVersion::NameForAccessibility() {
  for (TURLLink* link : {URLLink1, URLLink2}) {
    link->setAccessibleName(QCoreApplication::translate("Accessibility", "%1（ヘルプページを開きます）").arg(link->text()));
    link->setAccessibleDescription(link->Link());
  }
  QWidget::setTabOrder(URLLink1, URLLink2);
  QWidget::setTabOrder(URLLink2, btnClose);
  // The dialog still opens on its close button, not on a link.
  btnClose->setFocus(Qt::OtherFocusReason);
}
