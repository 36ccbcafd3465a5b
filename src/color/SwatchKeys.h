#pragma once
// The keyboard on the swatch grids (keep, history, palette views and the
// scheme row) and what assistive technology hears of a swatch.
//
// Each grid is one tab stop: the thousands of swatches of a palette stay out
// of the tab chain (TSwatches makes them click-focus only), Tab enters a grid
// at the swatch last focused in it, the arrow keys, Home and End move along
// the grid, and Tab leaves it. Enter clicks the swatch (Space already does,
// as on any button), the context-menu key or Shift+F10 opens its menu where
// the grid has one. A swatch's accessible name, "<colour name or hex>、<view>
// i/n", is worked out when it is asked for: n changes with every kept colour.
// Nothing is added to a swatch itself (a palette view makes thousands): the
// keys are watched from the application's event filter, and the swatches
// found in the grids when a key or the focus comes.

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QScrollArea;
class QWidget;
class TPictureButton;

namespace hb {

class TSwatchKeys : public QObject {
 public:
  struct Grid {
    // The view's name in a swatch's accessible name ("キープ", a palette's name).
    std::function<QString()> view;
    // The swatches in order, row by row.
    std::function<std::vector<TPictureButton*>()> swatches;
    // A view in a scroll box: the box is the grid's tab stop and scrolls to
    // the focused swatch. Otherwise the grid follows the control before it
    // in the tab chain, which Tab leaves for the grid.
    QScrollArea* box = nullptr;
    QWidget* before = nullptr;
    // The context-menu key on a swatch; none: the key does nothing there.
    std::function<void(TPictureButton*)> menu;
    // The name of swatch index's colour (a palette's); none: its hex code.
    std::function<QString(int index)> colorName;
  };

  explicit TSwatchKeys(QObject* parent);
  ~TSwatchKeys() override;

  // Returns the grid's number, for KeepFocus.
  int AddGrid(Grid grid);
  // The accessible name of a swatch of a grid; empty for any other button.
  QString NameOf(const TPictureButton* swatch) const;
  // Runs work that rebuilds or shortens grid; a swatch of it that had the
  // focus gives it to the swatch at the same place afterwards (the last one
  // when the grid got shorter), so a keyboard user stays where he was.
  void KeepFocus(int grid, const std::function<void()>& work);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Place {
    int grid = -1;
    int index = -1;
  };
  Place Find(const TPictureButton* swatch) const;
  // Focuses swatch index of grid (clamped), scrolled into sight.
  bool FocusAt(int grid, int index, Qt::FocusReason reason);
  bool SwatchKey(TPictureButton* swatch, int key, Qt::KeyboardModifiers modifiers);
  // The next (or previous) tab stop of the window after the grid's own.
  void LeaveGrid(int grid, bool forward);

  std::vector<Grid> grids_;
  std::vector<int> last_;  // per grid, the swatch focused last
};

} // namespace hb
