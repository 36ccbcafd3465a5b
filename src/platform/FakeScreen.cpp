#include "platform/FakeScreen.h"

#include "values/ColorValue.h"

#include <utility>

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace hb {

void FakeScreen::MoveCursor(QPoint device) {
  if (confinedTo) {
    device.setX(std::clamp(device.x(), confinedTo->left(), confinedTo->right()));
    device.setY(std::clamp(device.y(), confinedTo->top(), confinedTo->bottom()));
  }
  cursor = device;
}

std::uint32_t FakeScreen::PixelAt(QPoint device) {
  ++pixelReads;
  if (!image.valid(device)) return 0;
  const QRgb c = image.pixel(device);
  return ColorValue(qRed(c), qGreen(c), qBlue(c));
}

std::uint32_t FakeScreen::PixelUnderCursor() { return PixelAt(cursor); }

TPixelSquare FakeScreen::PixelsAround(QPoint device, int side) {
  ++pixelReads;
  return SquareOfImage(image, device, side);
}

bool FakeScreen::MoveCursorBy(QPoint delta) {
  MoveCursor(cursor + delta);
  return true;
}

QRect FakeScreen::PrimaryScreenRect() { return primary ? *primary : image.rect(); }

QImage FakeScreen::CopyPrimaryScreen() {
  if (image.isNull()) return {};
  return image.copy(PrimaryScreenRect()).convertToFormat(QImage::Format_RGB32);
}

QPoint FakeScreen::CursorPos() { return cursor; }

bool FakeScreen::LeftButtonDown() { return leftButton; }

bool FakeScreen::ConfineCursor(const QRect& device) {
  confinements.push_back(device);
  const QRect r = device.normalized();
  if (r.isEmpty()) {
    confinedTo.reset();
    return false;
  }
  confinedTo = r;
  MoveCursor(cursor);
  return true;
}

void FakeScreen::ReleaseCursor() {
  ++releases;
  confinedTo.reset();
}

bool FakeScreen::SetTopMost(QWindow* window, bool topMost) {
  topMostCalls.push_back({window, topMost});
  return window != nullptr;
}

bool FakeScreen::MoveAndClick(QPoint device) {
  if (!canClick) return false;
  clicks.push_back(device);
  MoveCursor(device);
  if (!deliverClicks || !qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
  const QScreen* s = QGuiApplication::primaryScreen();
  const qreal dpr = s ? s->devicePixelRatio() : 1.0;
  const QPoint global(int(std::floor(cursor.x() / dpr)), int(std::floor(cursor.y() / dpr)));
  QWidget* target = QApplication::widgetAt(global);
  if (!target) return true;
  const QPointF local = target->mapFromGlobal(QPointF(global));
  // Queued, as the real click is: handlers run when the caller lets events run.
  QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, local, global,
                                                      Qt::LeftButton, Qt::LeftButton,
                                                      Qt::NoModifier));
  QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, local, global,
                                                      Qt::LeftButton, Qt::NoButton,
                                                      Qt::NoModifier));
  return true;
}

QRect FakeScreen::WidgetToDevice(const QWidget* widget, const QRect& rect) {
  return widget ? ScaledWidgetRect(widget, rect, LogicalWindowOrigin(widget)) : QRect();
}

QPoint FakeScreen::DeviceToWidget(const QWidget* widget, QPoint device) {
  return widget ? ScaledWidgetPoint(widget, device, LogicalWindowOrigin(widget)) : QPoint();
}

bool FakeScreen::GrabInput() {
  inputGrabbed = canGrab;
  return canGrab;
}

void FakeScreen::ReleaseInput() { inputGrabbed = false; }

std::vector<TScreenInput> FakeScreen::TakeInput() { return inputGrabbed ? std::exchange(input, {}) : std::vector<TScreenInput>{}; }

} // namespace hb
