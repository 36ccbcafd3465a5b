// The main window's colour history: the timer and the recording forward to
// the history view.

#include "app/frmMain.h"
#include "collections/ColorHistory.h"

void TfrmMain::WireHistory() {
  history_ = new hb::ColorHistory(
      this, pnlHistory, timHistory,
      [this](QWidget* parent, const QColor& color) { return CreateSwatch(parent, color, std::string()); },
      [this](TPictureButton* swatch) { SetColorHint(swatch, std::string()); },
      [this] { return cmdColorView->Color(); });
  timHistory->SetOnTimer([this](QObject* sender) { timHistoryTimer(sender); });
}

const std::vector<TPictureButton*>& TfrmMain::HistoryButtons() const { return history_->HistoryButtons(); }

void TfrmMain::timHistoryTimer(QObject*) { history_->timHistoryTimer(); }

void TfrmMain::RecordHistory() { history_->RecordHistory(); }
