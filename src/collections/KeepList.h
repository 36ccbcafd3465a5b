#pragma once
// The keep list: the colours the user set aside, as the swatches of the keep
// view (the swatches are the list), the commands that add, delete and clear
// them, and the settings file that carries them between runs.

#include <QObject>
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

class KeepList : public QObject {
  Q_OBJECT
 public:
  struct Controls {
    QWidget* pnlKeep;
    QScrollArea* scbKeepWork;
    QProgressBar* StatusProgressBar1;
    QMenu* popupKeep;
    QAction* tbKeepClear;
  };
  // Makes a swatch of the colour on the panel, set up as every swatch is
  // (size, style, colour, hint, hand cursor, click handler), not yet shown.
  using SwatchFactory = std::function<TPictureButton*(QWidget* parent, const QColor& color)>;

  KeepList(QObject* owner, Controls controls, SwatchFactory createSwatch);

  // The keep swatches in list order, and the swatch whose menu opened last.
  const std::vector<TPictureButton*>& KeepButtons() const { return buttons_; }
  TPictureButton* KeepTarget() const { return target_; }
  // The kept colours in order, red in the low byte.
  std::vector<std::uint32_t> KeepColors() const;

  // Appends the colour a kept-colour text names; a text that names none adds nothing.
  void AddKeepColor(const std::string& Text);
  void AddColor(const QColor& color);
  // Places every swatch on the grid and sizes the panel to its rows.
  void ArrangeKeepPanel();
  // A right-button release over a keep swatch: make it current as a left
  // click would, then offer its deletion.
  void KeepButtonMouseUp(TPictureButton* swatch, Qt::MouseButton Button);
  // Deletes the targeted swatch (that control, not its colour).
  void tbKeepClearClick();
  // Asks, then deletes every kept colour.
  void btnKeepClearClick();

  // The start-up read of the settings file.
  void ReadSettings(const std::string& path);
  // Writes the list to the settings file as one replacement. Throws
  // IniWriteError; the file and the list are then unchanged.
  void WriteSettings(const std::string& path) const;
  // The menu's target without opening the menu (benchmarks).
  void SetKeepTargetForTesting(TPictureButton* swatch) { target_ = swatch; }
  // Frees every swatch (the progress bar following when asked).
  void Clear(bool showProgress = false);

 private:
  // Places the swatches from index from on: the ones before it are in place.
  void ArrangeFrom(std::size_t from);
  // The cell of swatch index, from the place of the swatch before it.
  TGridCell NextCell(std::size_t index) const;
  void FillScrollBox();
  void Step(int position);

  Controls c_;
  SwatchFactory createSwatch_;
  std::vector<TPictureButton*> buttons_;
  SwatchPages pages_;  // the swatches lie on pages of rows of pnlKeep
  QPointer<TPictureButton> target_;
  bool bulk_ = false;       // adds are arranged once at the end
  int arrangedWidth_ = -1;  // the panel width of the last arrangement
};

} // namespace hb
