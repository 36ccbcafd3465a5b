#include "capture/frmCaption.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

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
  // given a moment to repaint; the event loop runs meanwhile.
  emit Opening();
  QEventLoop settle;
  QTimer::singleShot(60, &settle, &QEventLoop::quit);
  settle.exec();

  // 3. The still image covers the primary monitor, one image pixel per screen
  // pixel, wherever that monitor stands among the others. Qt keeps a screen's
  // top-left corner in device pixels and scales only its size.
  const QRect device = hb::TheScreen().PrimaryScreenRect();
  QScreen* screen = QGuiApplication::primaryScreen();
  const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
  const QRect area = device.isEmpty() ? QRect(0, 0, 640, 480)
                                      : QRect(device.topLeft(), QSize(qRound(device.width() / ratio),
                                                                      qRound(device.height() / ratio)));
  setGeometry(area);
  // Full screen rather than maximised: a maximised window stops at the desktop's
  // panels, which would shift every pixel of the image from where it was taken.
  setWindowState(Qt::WindowFullScreen);
  Image1->setGeometry(0, 0, area.width(), area.height());
  hb::ProcessPending();

  // 5. A fresh copy at each showing, before the prompt is on the screen.
  QImage still = hb::TheScreen().CopyPrimaryScreen();
  still.setDevicePixelRatio(ratio);
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
    emit ColorPicked(qRed(c), qGreen(c), qBlue(c));
  }
  close();
}

void TfrmCaption::FormCloseQuery(QObject*, bool& CanClose) {
  emit Closing();
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
