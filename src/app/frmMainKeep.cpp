// The main window's keep list, colour history and close: the handlers forward
// to the keep list and the history; the close writes the settings file and
// frees the side panel's swatches.

#include <QComboBox>
#include <QPushButton>

#include "app/frmMain.h"
#include "collections/ColorHistory.h"
#include "collections/KeepList.h"
#include "collections/KeepSettings.h"
#include "settings/AppPaths.h"
#include "settings/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenCursor.h"
#include "color/Swatches.h"
#include "text/Translate.h"
#include "color/SwatchKeys.h"

void TfrmMain::WireKeep() {
  keepList_ = new hb::TKeepList(this, {pnlKeep, scbKeepWork, StatusProgressBar1, popupKeep, tbKeepClear}, *Swatches,
                                [this](TPictureButton* swatch, Qt::MouseButton button) {
                                  KeepButtonMouseUp(swatch, button, {}, 0, 0);
                                });
  connect(btnKeepAdd, &QAbstractButton::clicked, this, [this] { btnKeepAddClick(btnKeepAdd); });
  connect(btnKeepClear, &QAbstractButton::clicked, this, [this] { btnKeepClearClick(btnKeepClear); });
  connect(tbKeepClear, &QAction::triggered, this, [this] { tbKeepClearClick(tbKeepClear); });

  history_ = new hb::TColorHistory(this, pnlHistory, timHistory, *Swatches, [this] { return cmdColorView->Color(); });
  timHistory->SetOnTimer([this](QObject* sender) { timHistoryTimer(sender); });
}

// Beside the executable while its folder is writable; else the user's own
// file, or a default beside the executable until the user has one.
std::vector<std::string> TfrmMain::ReadKeepSettings() const {
  return hb::ReadKeepTexts(hb::TIniFile(hb::CurrentProgramFolders().settingsRead));
}

void TfrmMain::AddKeepColors(const std::vector<std::string>& Texts) { keepList_->AddAll(Texts); }

const std::vector<TPictureButton*>& TfrmMain::KeepButtons() const { return keepList_->Buttons(); }

TPictureButton* TfrmMain::KeepTarget() const { return keepList_->Target(); }

std::vector<std::uint32_t> TfrmMain::KeepColors() const { return keepList_->Colors(); }

void TfrmMain::btnKeepAddClick(QObject*) { keepList_->AddColor(cmdColorView->Color()); }

void TfrmMain::btnKeepClearClick(QObject*) { keepList_->ClearAll(); }

void TfrmMain::AddKeepColor(const std::string& Text) { keepList_->Add(Text); }

void TfrmMain::ArrangeKeepPanel() { keepList_->Arrange(); }

void TfrmMain::KeepButtonMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons, int, int) {
  keepList_->SwatchReleased(qobject_cast<TPictureButton*>(Sender), Button);
}

void TfrmMain::tbKeepClearClick(QObject*) {
  SwatchKeys->KeepFocus(keepGrid_, [this] { keepList_->DeleteTarget(); });
}

void TfrmMain::FormCloseQuery(QObject*, bool& CanClose) {
  hb::SetScreenCursor(hb::crHourGlass);
  pnlKeep->hide();
  pnlPallet->hide();
  try {
    keepList_->WriteSettings(hb::SettingsFileForWrite());
  } catch (const hb::IniWriteError& error) {
    // Nothing was written. The window is usable again, with the keep list on
    // view, before the user is told; then the user may still close without
    // saving (with a read-only program folder there is no other way out).
    pnlKeep->show();
    pnlPallet->show();
    if (cmbPalletSelect->currentIndex() != 0) {
      cmbPalletSelect->setCurrentIndex(0);
      cmbPalletSelectChange(cmbPalletSelect);
    }
    hb::SetScreenCursor(hb::crDefault);
    hb::ShowException(error);
    if (hb::MessageDlg(hb::Tr("TfrmMain", "キープデータを保存せずに終了しますか？"), hb::TMsgDlgType::mtConfirmation,
                       hb::mbYes | hb::mbNo) != hb::mrYes) {
      CanClose = false;
      return;
    }
    hb::SetScreenCursor(hb::crHourGlass);
  }
  // Closing: nothing more is recorded, and the swatches go.
  timHistory->SetEnabled(false);
  keepList_->Clear();
  FreePaletteView();
  history_->Clear();
  hb::SetScreenCursor(hb::crDefault);
}

const std::vector<TPictureButton*>& TfrmMain::HistoryButtons() const { return history_->Buttons(); }

void TfrmMain::timHistoryTimer(QObject*) { history_->Tick(); }

void TfrmMain::RecordHistory() { history_->Record(); }
