#include "capture/frmCaption.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include "capture/Magnifier.h"
#include "capture/PickArea.h"
#include "capture/PickingLens.h"
#include "platform/MessageBoxes.h"
#include "values/ColorValue.h"
#include "platform/Screen.h"
#include "support/ProcessPending.h"
#include "text/Translate.h"

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
  Image1->setMouseTracking(true);
  connect(Image1, &hb::TImage::MouseMove, this, [this](Qt::MouseButtons, QPoint pos) { Magnify(StillPixel(pos)); });

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
  const int answer = hb::MessageDlg(hb::Tr("TfrmCaption", "色を取得したい場所をクリックしてください"), hb::TMsgDlgType::mtInformation,
                                    hb::mbOK | hb::mbCancel);
  if (answer != hb::mrOk) Timer1->SetEnabled(true);
}

QPoint TfrmCaption::StillPixel(QPoint widgetPoint) const {
  const qreal ratio = Image1->Picture().devicePixelRatio();
  return QPoint(qRound(widgetPoint.x() * ratio), qRound(widgetPoint.y() * ratio));
}

void TfrmCaption::Image1MouseDown(QObject*, Qt::MouseButton, Qt::MouseButtons, int X, int Y) {
  const QImage& still = Image1->Picture();
  const QPoint pixel = StillPixel({X, Y});
  if (still.valid(pixel)) {
    // The area chosen, as the magnifier frames it; one pixel without a lens.
    const int area = lens_ ? lens_->Area() : 1;
    const std::uint32_t c = hb::AreaMean(hb::SquareOfImage(still, pixel, area), area);
    emit ColorPicked(hb::RedOf(c), hb::GreenOf(c), hb::BlueOf(c));
  }
  close();
}

void TfrmCaption::Magnify(QPoint pixel) {
  lastPixel_ = pixel;
  const QImage& still = Image1->Picture();
  if (!lens_ || !isVisible() || !still.valid(pixel)) return;
  const int area = lens_->Area();
  const hb::TPixelSquare square = hb::SquareOfImage(still, pixel, hb::kMagnifiedSide);
  // The still image lies over the primary monitor, one pixel per screen pixel.
  const QPoint device = hb::TheScreen().PrimaryScreenRect().topLeft() + pixel;
  lens_->Magnifier().ShowSquare(device, square, area, hb::AreaMean(square, area));
}

void TfrmCaption::StepArea(int step) {
  if (!lens_) return;
  lens_->SetArea(hb::NextPickArea(lens_->Area(), step));
  Magnify(lastPixel_);
}

void TfrmCaption::wheelEvent(QWheelEvent* event) {
  const int dy = event->angleDelta().y();
  if (dy != 0) StepArea(dy > 0 ? 1 : -1);
  event->accept();
}

void TfrmCaption::FormCloseQuery(QObject*, bool& CanClose) {
  if (lens_) {
    lens_->Magnifier().HideNow();
    lens_->Remember();
  }
  emit Closing();
  CanClose = true;
}

// Escape gives up without taking a colour, as closing the window does.
void TfrmCaption::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    close();
  else if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)
    StepArea(1);
  else if (event->key() == Qt::Key_Minus)
    StepArea(-1);
  else
    hb::TForm::keyPressEvent(event);
}

void TfrmCaption::Timer1Timer(QObject*) {
  Timer1->SetEnabled(false);
  close();
}
