#include "color/SwatchKeys.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollArea>
#include <QTextDocumentFragment>
#include <algorithm>

#include "support/PictureButton.h"

namespace hb {

namespace {

// Dynamic properties of a watched swatch: its keyboard owner, its colour's name.
constexpr char kKeysProperty[] = "hbSwatchKeys";
constexpr char kColorNameProperty[] = "hbColorName";

TSwatchKeys* KeysOf(const QObject* swatch) {
  return dynamic_cast<TSwatchKeys*>(swatch->property(kKeysProperty).value<QObject*>());
}

// What assistive technology sees of a swatch: a button named by its grid,
// described by its hint (colour values and contrast), pressed by a click.
class TSwatchAccessible : public QAccessibleWidget {
 public:
  TSwatchAccessible(TPictureButton* swatch, TSwatchKeys* keys)
      : QAccessibleWidget(swatch, QAccessible::Button), keys_(keys) {}

  QString text(QAccessible::Text t) const override {
    const auto* swatch = static_cast<const TPictureButton*>(widget());
    if (t == QAccessible::Name && swatch->accessibleName().isEmpty() && keys_) return keys_->NameOf(swatch);
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

 private:
  QPointer<TSwatchKeys> keys_;
};

QAccessibleInterface* SwatchAccessible(const QString& key, QObject* object) {
  if (key != QLatin1String("TPictureButton")) return nullptr;
  TSwatchKeys* keys = KeysOf(object);
  return keys ? new TSwatchAccessible(static_cast<TPictureButton*>(object), keys) : nullptr;
}

bool IsTabStop(const QWidget* w, const QWidget* from) {
  const QWidget* window = from->window();
  return w != from && !w->isWindow() && w->window() == window && !from->isAncestorOf(w) &&
         (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() && w->isVisibleTo(window);
}

} // namespace

void SetSwatchColorName(TPictureButton* swatch, const QString& name) {
  // Most swatches have no name: they carry no property at all.
  if (!name.isEmpty() || swatch->property(kColorNameProperty).isValid())
    swatch->setProperty(kColorNameProperty, name);
}

TSwatchKeys::TSwatchKeys(QObject* parent) : QObject(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(SwatchAccessible);
    return true;
  }();
  (void)installed;
}

TSwatchKeys::~TSwatchKeys() = default;

int TSwatchKeys::AddGrid(Grid grid) {
  if (grid.box) grid.box->installEventFilter(this);
  if (grid.before) grid.before->installEventFilter(this);
  grids_.push_back(std::move(grid));
  last_.push_back(0);
  return int(grids_.size()) - 1;
}

void TSwatchKeys::Watch(TPictureButton* swatch) {
  swatch->setProperty(kKeysProperty, QVariant::fromValue<QObject*>(this));
  swatch->installEventFilter(this);
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
  QString color = swatch->property(kColorNameProperty).toString();
  if (color.isEmpty()) color = swatch->Color().name(QColor::HexRgb).toUpper();
  const Place place = Find(swatch);
  if (place.grid < 0) return color;
  const Grid& grid = grids_[std::size_t(place.grid)];
  return QCoreApplication::translate("Accessibility", "%1、%2 %3/%4")
      .arg(color, grid.view())
      .arg(place.index + 1)
      .arg(grid.swatches().size());
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
