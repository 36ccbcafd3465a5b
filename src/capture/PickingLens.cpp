#include "capture/PickingLens.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include "capture/Magnifier.h"
#include "capture/PickArea.h"
#include "capture/ScreenColorPicker.h"
#include "platform/Screen.h"
#include "settings/IniFile.h"

namespace hb {
namespace {
constexpr std::string_view kSection = "Picking";
constexpr std::string_view kKey = "Area";
} // namespace

int ReadPickArea(const std::string& settingsPath) {
  return PickAreaOrDefault(TIniFile(settingsPath).ReadInteger(kSection, kKey, 1));
}

void WritePickArea(const std::string& settingsPath, int area) {
  TIniFile file(settingsPath);
  file.WriteInteger(kSection, kKey, PickAreaOrDefault(area));
}

TPickingLens::TPickingLens(QObject* parent, TScreenColorPicker& sampler, int framePeriodMs, Settings settings)
    : QObject(parent), sampler_(sampler), framePeriodMs_(framePeriodMs), settings_(std::move(settings)) {}

TPickingLens::~TPickingLens() {
  if (active_) qApp->removeEventFilter(this);
}

int TPickingLens::Area() {
  if (area_ == 0) {
    try {
      area_ = ReadPickArea(settings_.read());
    } catch (const std::exception&) {
      area_ = 1;  // an unreadable file: the default, as a missing one
    }
  }
  return area_;
}

void TPickingLens::SetArea(int area) {
  area = PickAreaOrDefault(area);
  if (area == Area()) return;
  area_ = area;
  areaChanged_ = true;
  sampler_.SetArea(area);
}

TMagnifier& TPickingLens::Magnifier() {
  if (!magnifier_) magnifier_ = std::make_unique<TMagnifier>(framePeriodMs_);
  return *magnifier_;
}

void TPickingLens::Begin() {
  sampler_.SetArea(Area());
  sampler_.SetOnSquare([this](QPoint cursor, const TPixelSquare& square, int area, std::uint32_t color) {
    Magnifier().ShowSquare(cursor, square, area, color);
  });
  if (!active_) qApp->installEventFilter(this);
  active_ = true;
  // The magnifier shows before the first tick.
  sampler_.SampleNow();
}

void TPickingLens::End() {
  if (!active_) return;
  active_ = false;
  qApp->removeEventFilter(this);
  sampler_.SetOnSquare(nullptr);
  if (magnifier_) magnifier_->HideNow();
  Remember();
}

void TPickingLens::Remember() {
  if (!areaChanged_) return;
  areaChanged_ = false;
  try {
    WritePickArea(settings_.write(), area_);
  } catch (const std::exception& error) {
    if (settings_.reportError) settings_.reportError(error);
  }
}

void TPickingLens::StepArea(int step) {
  SetArea(NextPickArea(Area(), step));
  sampler_.SampleNow();
}

void TPickingLens::Step(QPoint delta) {
  TheScreen().MoveCursorBy(delta);
  sampler_.SampleNow();
}

bool TPickingLens::Key(int key, bool shift) {
  const int step = shift ? 10 : 1;
  switch (key) {
    case Qt::Key_Left: Step({-step, 0}); return true;
    case Qt::Key_Right: Step({step, 0}); return true;
    case Qt::Key_Up: Step({0, -step}); return true;
    case Qt::Key_Down: Step({0, step}); return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal: StepArea(1); return true;
    case Qt::Key_Minus: StepArea(-1); return true;
    default: return false;
  }
}

bool TPickingLens::eventFilter(QObject* watched, QEvent* event) {
  // A key or a wheel reaches its window first, then the widget; taken at
  // the first, it goes no further.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (Key(key->key(), key->modifiers() & Qt::ShiftModifier)) return true;
  } else if (event->type() == QEvent::Wheel) {
    const int dy = static_cast<QWheelEvent*>(event)->angleDelta().y();
    if (dy != 0) StepArea(dy > 0 ? 1 : -1);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

} // namespace hb
