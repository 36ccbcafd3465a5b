#pragma once
// The still capture: a copy of the whole screen shown full-screen, where a
// click takes the colour of the pixel under the pointer.

#include <QWidget>

#include "support/Controls.h"

class TfrmCaption : public hb::TForm {
  Q_OBJECT
 public:
  explicit TfrmCaption(QWidget* parent = nullptr);

  hb::TImage* Image1 = nullptr;
  hb::TTimer* Timer1 = nullptr;

  void FormShow(QObject* Sender) override;
  void Image1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y);
  void FormCloseQuery(QObject* Sender, bool& CanClose) override;
  void Timer1Timer(QObject* Sender);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

};

extern TfrmCaption* frmCaption;
