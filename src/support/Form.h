#pragma once

#include <QWidget>

namespace hb {

// A window whose showing and closing run its handlers: FormShow as it is
// about to be shown (not when it is restored from an icon), FormCloseQuery at
// every request to close it, which it may refuse.
class TForm : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  virtual void FormShow(QObject* Sender);
  virtual void FormCloseQuery(QObject* Sender, bool& CanClose);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

} // namespace hb
