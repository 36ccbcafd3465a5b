#include "app/frmSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/frmMain.h"
#include "support/RawPicture.h"

TfrmSplash* frmSplash = nullptr;

TfrmSplash::TfrmSplash(QWidget* parent) : hb::TForm(parent) {
  frmSplash = this;
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QStringLiteral("Huebrook"));
  // Its status line takes the application's font, looked up once the
  // picture is on the screen (main.cpp).
  SetFixedFrame(QSize(398, 195), hb::TFrame::Bare, false);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  setAutoFillBackground(true);

  auto* picture = new QLabel(this);
  picture->setPixmap(QPixmap::fromImage(hb::RawPicture(QStringLiteral(":/splash.raw"))));
  picture->setGeometry(0, 0, 400, 200);

  lblStatus = new QLabel(this);
  lblStatus->setObjectName(QStringLiteral("lblStatus"));
  lblStatus->setAttribute(Qt::WA_TranslucentBackground);
  QPalette lp = lblStatus->palette();
  lp.setColor(QPalette::WindowText, Qt::white);
  lblStatus->setPalette(lp);
  lblStatus->setGeometry(20, 166, 360, 14);

  Timer1 = new hb::TTimer(this, 10);
  Timer1->SetOnTimer([this](QObject* sender) { Timer1Timer(sender); });

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
}

void TfrmSplash::FormShow(QObject*) { Timer1->SetEnabled(true); }

void TfrmSplash::Timer1Timer(QObject*) {
  // Before the main window exists there is nothing to show yet.
  if (!frmMain) return;
  const QString text = QString::fromStdString(frmMain->StatusText);
  if (lblStatus->text() == text) return;
  if (AwaitFont) AwaitFont();
  lblStatus->setText(text);
  lblStatus->repaint();
}

void TfrmSplash::FormCloseQuery(QObject*, bool& CanClose) {
  Timer1->SetEnabled(false);
  CanClose = true;
}
