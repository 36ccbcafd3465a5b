#pragma once
// The still capture: a copy of the whole screen shown full-screen, where a
// click takes the colour of the pixel under the pointer.

#include <QWidget>

#include "support/Controls.h"

class TfrmCaption : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmCaption(QWidget* parent = nullptr);

  hb::TImage* Image1 = nullptr;
  hb::TTimer* Timer1 = nullptr;

  void FormShow(QObject* Sender);
  void Image1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y);
  void FormCloseQuery(QObject* Sender, bool& CanClose);
  void Timer1Timer(QObject* Sender);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

extern TfrmCaption* frmCaption;
