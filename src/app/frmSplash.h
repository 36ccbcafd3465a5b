#pragma once
// The splash window: shown first, it reports each start-up step while the
// main window is being made, then goes away.

#include <QWidget>
#include <functional>

#include "support/Controls.h"

class QLabel;

class TfrmSplash : public hb::TForm {
  Q_OBJECT
 public:
  explicit TfrmSplash(QWidget* parent = nullptr);

  QLabel* lblStatus = nullptr;
  hb::TTimer* Timer1 = nullptr;
  // When set, waits until the font its status line is drawn in is ready.
  std::function<void()> AwaitFont;

  void FormShow(QObject* Sender) override;
  void Timer1Timer(QObject* Sender);
  void FormCloseQuery(QObject* Sender, bool& CanClose) override;

};

extern TfrmSplash* frmSplash;
