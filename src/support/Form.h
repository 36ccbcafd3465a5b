#pragma once

#include <QFont>
#include <QSize>
#include <QWidget>

namespace hb {

// The windows' font at 12 pixels: "ＭＳ Ｐゴシック" when installed, else the
// first installed of its Japanese stand-ins (IPA P Gothic first). The first
// call starts fontconfig and reads the installed fonts, tens of milliseconds;
// it may be made on another thread (Qt's font database is thread-safe), and
// a call made meanwhile waits for it.
QFont WindowFont();

// What a window's frame offers besides its title; none of them can be
// resized or maximised.
enum class TFrame {
  Minimizable,  // a main window: minimise and close
  Dialog,       // close only
  Bare,         // a dialog frame without buttons
};

// A window whose showing and closing run its handlers: FormShow as it is
// about to be shown (not when it is restored from an icon), FormCloseQuery at
// every request to close it, which it may refuse.
class TForm : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  virtual void FormShow(QObject* Sender);
  virtual void FormCloseQuery(QObject* Sender, bool& CanClose);

  // A window of one size, with the frame's buttons and, unless told not to,
  // the windows' font. Looking that font up starts fontconfig, tens of
  // milliseconds: the splash is painted before, and takes the same font from
  // the application afterwards.
  void SetFixedFrame(QSize Size, TFrame Frame, bool WindowsFont = true);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

} // namespace hb
