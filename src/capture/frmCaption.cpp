#include "capture/frmCaption.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "app/frmMain.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "support/ProcessPending.h"

TfrmCaption* frmCaption = nullptr;

TfrmCaption::TfrmCaption(QWidget* parent) : hb::TForm(parent) {
  frmCaption = this;
  setObjectName(QStringLiteral("frmCaption"));
  setWindowTitle(QStringLiteral("frmCaption"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  resize(688, 453);

  Image1 = new hb::TImage(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(64, 152, 265, 121);
  connect(Image1, &hb::TImage::MouseDown, this, [this](Qt::MouseButton button, Qt::MouseButtons buttons, QPoint pos) {
    Image1MouseDown(Image1, button, buttons, pos.x(), pos.y());
  });

  Timer1 = new hb::TTimer(this, 100);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->SetOnTimer([this](QObject* sender) { Timer1Timer(sender); });
}

void TfrmCaption::FormShow(QObject*) {
  // 1-2. The main window leaves the screen first, and what lay behind it is
  // given a moment to repaint.
  if (frmMain) frmMain->hide();
  QElapsedTimer settle;
  settle.start();
  do hb::ProcessPending();
  while (settle.elapsed() < 60);

  // 3. The still image covers the primary screen, one image pixel per screen pixel.
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->geometry() : QRect(0, 0, 640, 480);
  setGeometry(area);
  // Full screen rather than maximised: a maximised window stops at the desktop's
  // panels, which would shift every pixel of the image from where it was taken.
  setWindowState(Qt::WindowFullScreen);
  Image1->setGeometry(0, 0, area.width(), area.height());
  hb::ProcessPending();

  // 5. A fresh copy at each showing, before the prompt is on the screen.
  QImage still = hb::TheScreen().CopyPrimaryScreen();
  if (screen) still.setDevicePixelRatio(screen->devicePixelRatio());
  Image1->SetPicture(still);
  hb::ProcessPending();

  // 7-8. A window cannot hide itself while it is being shown: after Cancel it
  // closes at the timer's first tick.
  const int answer = hb::MessageDlg("色を取得したい場所をクリックしてください", hb::TMsgDlgType::mtInformation,
                                    hb::mbOK | hb::mbCancel);
  if (answer != hb::mrOk) Timer1->SetEnabled(true);
}

void TfrmCaption::Image1MouseDown(QObject*, Qt::MouseButton, Qt::MouseButtons, int X, int Y) {
  const QImage& still = Image1->Picture();
  const qreal ratio = still.devicePixelRatio();
  const QPoint pixel(qRound(X * ratio), qRound(Y * ratio));
  if (still.valid(pixel)) {
    const QRgb c = still.pixel(pixel);
    if (frmMain) frmMain->SetColors(qRed(c), qGreen(c), qBlue(c));
  }
  close();
}

void TfrmCaption::FormCloseQuery(QObject*, bool& CanClose) {
  if (frmMain) frmMain->show();
  CanClose = true;
}

// Escape gives up without taking a colour, as closing the window does.
void TfrmCaption::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    close();
  else
    hb::TForm::keyPressEvent(event);
}

void TfrmCaption::Timer1Timer(QObject*) {
  Timer1->SetEnabled(false);
  close();
}
