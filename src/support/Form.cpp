#include "support/Form.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace hb {

void TForm::FormShow(QObject*) {}

void TForm::FormCloseQuery(QObject*, bool&) {}

void TForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow(this);
}

void TForm::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  FormCloseQuery(this, canClose);
  if (canClose)
    event->accept();
  else
    event->ignore();
}

} // namespace hb
