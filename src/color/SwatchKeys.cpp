#include "color/SwatchKeys.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollArea>
#include <QTextDocumentFragment>
#include <algorithm>

#include "support/PictureButton.h"

namespace hb {

namespace {

// The live keyboards of the grids (one per main window).
std::vector<TSwatchKeys*>& Registry() {
  static std::vector<TSwatchKeys*> keys;
  return keys;
}

// What assistive technology sees of a picture button: a button named by its
// accessible name, its grid (a swatch), its caption or else its colour,
// described by its hint (a swatch's: colour values and contrast), pressed
// by a click. Decided when asked: a swatch may join its grid after Qt first
// asks for it.
class TPictureButtonAccessible : public QAccessibleWidget {
 public:
  explicit TPictureButtonAccessible(TPictureButton* swatch) : QAccessibleWidget(swatch, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    const auto* swatch = static_cast<const TPictureButton*>(widget());
    if (t == QAccessible::Name && swatch->accessibleName().isEmpty()) {
      for (const TSwatchKeys* keys : Registry())
        if (QString name = keys->NameOf(swatch); !name.isEmpty()) return name;
      return swatch->text().isEmpty() ? swatch->Color().name(QColor::HexRgb).toUpper() : swatch->text();
    }
    if (t == QAccessible::Description && swatch->accessibleDescription().isEmpty()) {
      // The hint of a palette name that looked like markup is escaped HTML.
      const QString hint = swatch->ShownHint();
      return Qt::mightBeRichText(hint) ? QTextDocumentFragment::fromHtml(hint).toPlainText() : hint;
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }
  void doAction(const QString& name) override {
    if (name == pressAction())
      static_cast<TPictureButton*>(widget())->click();
    else
      QAccessibleWidget::doAction(name);
  }
};

QAccessibleInterface* PictureButtonAccessible(const QString& key, QObject* object) {
  if (key != QLatin1String("TPictureButton") || Registry().empty()) return nullptr;
  return new TPictureButtonAccessible(static_cast<TPictureButton*>(object));
}

bool IsTabStop(const QWidget* w, const QWidget* from) {
  const QWidget* window = from->window();
  return w != from && !w->isWindow() && w->window() == window && !from->isAncestorOf(w) &&
         (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() && w->isVisibleTo(window);
}

} // namespace

TSwatchKeys::TSwatchKeys(QObject* parent) : QObject(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(PictureButtonAccessible);
    return true;
  }();
  (void)installed;
  Registry().push_back(this);
  // Before the swatches' own handling: a button's arrows would move on along
  // the tab chain. Only key presses and focus changes are looked at.
  qApp->installEventFilter(this);
}

TSwatchKeys::~TSwatchKeys() {
  qApp->removeEventFilter(this);
  std::erase(Registry(), this);
}

int TSwatchKeys::AddGrid(Grid grid) {
  grids_.push_back(std::move(grid));
  last_.push_back(0);
  return int(grids_.size()) - 1;
}

TSwatchKeys::Place TSwatchKeys::Find(const TPictureButton* swatch) const {
  if (!swatch) return {};
  for (std::size_t g = 0; g < grids_.size(); ++g) {
    const Grid& grid = grids_[g];
    if (grid.box && !grid.box->isAncestorOf(swatch)) continue;
    const std::vector<TPictureButton*> list = grid.swatches();
    const auto at = std::find(list.begin(), list.end(), swatch);
    if (at != list.end()) return {int(g), int(at - list.begin())};
  }
  return {};
}

QString TSwatchKeys::NameOf(const TPictureButton* swatch) const {
  const Place place = Find(swatch);
  if (place.grid < 0) return {};
  const Grid& grid = grids_[std::size_t(place.grid)];
  QString color = grid.colorName ? grid.colorName(place.index) : QString();
  if (color.isEmpty()) color = swatch->Color().name(QColor::HexRgb).toUpper();
  return QCoreApplication::translate("Accessibility", "%1、%2 %3/%4")
      // One pass: a palette's colour name holding "%3" stays as it is.
      .arg(color, grid.view(), QString::number(place.index + 1), QString::number(grid.swatches().size()));
}

bool TSwatchKeys::FocusAt(int grid, int index, Qt::FocusReason reason) {
  const Grid& g = grids_[std::size_t(grid)];
  const std::vector<TPictureButton*> list = g.swatches();
  if (list.empty()) return false;
  index = std::clamp(index, 0, int(list.size()) - 1);
  TPictureButton* swatch = list[std::size_t(index)];
  last_[std::size_t(grid)] = index;
  if (g.box) g.box->ensureWidgetVisible(swatch, 0, 0);
  swatch->setFocus(reason);
  return swatch->window()->focusWidget() == swatch;
}

void TSwatchKeys::LeaveGrid(int grid, bool forward) {
  const Grid& g = grids_[std::size_t(grid)];
  if (!forward && g.before) return g.before->setFocus(Qt::BacktabFocusReason);
  QWidget* from = g.box ? static_cast<QWidget*>(g.box) : g.before;
  for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w && w != from;
       w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
    if (IsTabStop(w, from)) return w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  }
}

void TSwatchKeys::KeepFocus(int grid, const std::function<void()>& work) {
  const Grid& g = grids_[std::size_t(grid)];
  QWidget* anchor = g.box ? static_cast<QWidget*>(g.box) : g.before;
  auto* focused = qobject_cast<TPictureButton*>(anchor->window()->focusWidget());
  const Place place = Find(focused);
  if (place.grid != grid) return work();
  const bool keyboard = focused->KeyboardFocus();
  // Parked on the anchor while the swatch may go: a focused control that
  // hides hands the focus on along the tab chain, to wherever that leads.
  anchor->setFocus(Qt::OtherFocusReason);
  work();
  if (!FocusAt(grid, place.index, keyboard ? Qt::TabFocusReason : Qt::OtherFocusReason) && g.box)
    g.box->setFocus(Qt::OtherFocusReason);
}

bool TSwatchKeys::SwatchKey(TPictureButton* swatch, int key, Qt::KeyboardModifiers modifiers) {
  const Place place = Find(swatch);
  if (place.grid < 0) return false;
  const Grid& grid = grids_[std::size_t(place.grid)];
  const bool shift = modifiers & Qt::ShiftModifier;
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      LeaveGrid(place.grid, key == Qt::Key_Tab && !shift);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      swatch->click();
      return true;
    case Qt::Key_Menu:
    case Qt::Key_F10:
      if (key == Qt::Key_F10 && !shift) return false;
      if (grid.menu) grid.menu(swatch);
      return true;
    default:
      break;
  }
  const std::vector<TPictureButton*> list = grid.swatches();
  const int n = int(list.size());
  const int i = place.index;
  // A row is as long as the run of swatches level with the first.
  const int top = list.front()->mapTo(list.front()->window(), QPoint()).y();
  int columns = 1;
  while (columns < n && list[std::size_t(columns)]->mapTo(list.front()->window(), QPoint()).y() == top) ++columns;
  int to = i;
  switch (key) {
    case Qt::Key_Left: to = i - 1; break;
    case Qt::Key_Right: to = i + 1; break;
    case Qt::Key_Up: to = i - columns; break;
    // Down from the row above a short last row reaches its last swatch.
    case Qt::Key_Down: to = i / columns < (n - 1) / columns ? std::min(i + columns, n - 1) : i; break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_End: to = n - 1; break;
    default: return false;
  }
  if (to >= 0 && to < n && to != i) FocusAt(place.grid, to, Qt::TabFocusReason);
  // At an edge the key goes nowhere: not on to the next control, as a button's arrows would.
  return true;
}

bool TSwatchKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::FocusIn) return false;
  for (std::size_t g = 0; g < grids_.size(); ++g) {
    const Grid& grid = grids_[g];
    if (watched == grid.box && type == QEvent::FocusIn) {
      // Tabbing into a view lands on its swatch, not on the box.
      const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
      if (why == Qt::TabFocusReason || why == Qt::BacktabFocusReason) FocusAt(int(g), last_[g], why);
      return false;
    }
    if (watched == grid.before && type == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier)
        return FocusAt(int(g), last_[g], Qt::TabFocusReason);
      return false;
    }
  }
  auto* swatch = qobject_cast<TPictureButton*>(watched);
  if (!swatch) return false;
  if (type == QEvent::FocusIn) {
    const Place place = Find(swatch);
    if (place.grid >= 0) last_[std::size_t(place.grid)] = place.index;
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  return SwatchKey(swatch, key->key(), key->modifiers());
}

} // namespace hb
