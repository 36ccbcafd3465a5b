#pragma once
// The keep list: the colours the user set aside, as the swatches of the keep
// view (the swatches are the list), the commands that add, delete and clear
// them, and the settings file that carries them between runs.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "collections/SwatchGrid.h"
#include "collections/SwatchPages.h"

class QAction;
class QColor;
class QMenu;
class QProgressBar;
class QScrollArea;
class QWidget;
class TPictureButton;

namespace hb {

class TSwatches;

class TKeepList : public QObject {
  Q_OBJECT
 public:
  struct Controls {
    QWidget* pnlKeep;
    QScrollArea* scbKeepWork;
    QProgressBar* StatusProgressBar1;
    QMenu* popupKeep;
    QAction* tbKeepClear;
  };
  // released: a mouse button was released over a keep swatch (the window's
  // handler, which comes back to SwatchReleased).
  using ReleasedFn = std::function<void(TPictureButton* swatch, Qt::MouseButton button)>;
  TKeepList(QObject* owner, Controls controls, const TSwatches& swatches, ReleasedFn released);

  // The keep swatches in list order, and the swatch whose menu opened last.
  const std::vector<TPictureButton*>& Buttons() const { return buttons_; }
  TPictureButton* Target() const { return target_; }
  // The kept colours in order, red in the low byte.
  std::vector<std::uint32_t> Colors() const;

  // Appends the colour a kept-colour text names; a text that names none adds nothing.
  void Add(const std::string& text);
  void AddColor(const QColor& color);
  // Places every swatch on the grid and sizes the panel to its rows.
  void Arrange();
  // A button released over a keep swatch: the right one makes it current as
  // a left click would, then offers its deletion.
  void SwatchReleased(TPictureButton* swatch, Qt::MouseButton button);
  // The context-menu key on a keep swatch: what the right button does.
  void MenuKey(TPictureButton* swatch);
  // Deletes the targeted swatch (that control, not its colour).
  void DeleteTarget();
  // Asks, then deletes every kept colour.
  void ClearAll();

  // The kept colours' texts read at start-up (ReadKeepTexts), as swatches
  // made out of sight and placed once.
  void AddAll(const std::vector<std::string>& texts);
  // Writes the list to the settings file as one replacement. Throws
  // IniWriteError; the file and the list are then unchanged.
  void WriteSettings(const std::string& path) const;
  // The menu's target without opening the menu (benchmarks).
  void SetTargetForTesting(TPictureButton* swatch) { target_ = swatch; }
  // Frees every swatch (the progress bar following when asked).
  void Clear(bool showProgress = false);

 private:
  // Places the swatches from index from on: the ones before it are in place.
  void ArrangeFrom(std::size_t from);
  // The cell of swatch index, from the place of the swatch before it.
  TGridCell NextCell(std::size_t index) const;
  void FillScrollBox();
  void ShowMenu(TPictureButton* swatch, QPoint global);
  void Step(int position);

  Controls c_;
  const TSwatches& swatches_;
  ReleasedFn released_;
  std::vector<TPictureButton*> buttons_;
  TSwatchPages pages_;  // the swatches lie on pages of rows of pnlKeep
  QPointer<TPictureButton> target_;
  bool bulk_ = false;       // adds are arranged once at the end
  int arrangedWidth_ = -1;  // the panel width of the last arrangement
};

} // namespace hb
