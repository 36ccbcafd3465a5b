// The main window's keep list and its close: the handlers forward to the keep
// list; the close writes the settings file and frees the side panel's swatches.

#include <QComboBox>
#include <QPushButton>

#include "app/frmMain.h"
#include "collections/ColorHistory.h"
#include "collections/KeepList.h"
#include "platform/AppPaths.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenCursor.h"

void TfrmMain::WireKeep() {
  keepList_ = new hb::KeepList(
      this, {pnlKeep, scbKeepWork, StatusProgressBar1, popupKeep, tbKeepClear},
      [this](QWidget* parent, const QColor& color) { return CreateSwatch(parent, color, std::string()); });
  connect(btnKeepAdd, &QAbstractButton::clicked, this, [this] { btnKeepAddClick(btnKeepAdd); });
  connect(btnKeepClear, &QAbstractButton::clicked, this, [this] { btnKeepClearClick(btnKeepClear); });
  connect(tbKeepClear, &QAction::triggered, this, [this] { tbKeepClearClick(tbKeepClear); });
}

// Beside the executable while its folder is writable; else the user's own
// file, or a default beside the executable until the user has one.
std::string TfrmMain::SettingsFileName() const { return hb::CurrentProgramFolders().settingsRead; }

void TfrmMain::ReadKeepSettings() { keepList_->ReadSettings(SettingsFileName()); }

const std::vector<TPictureButton*>& TfrmMain::KeepButtons() const { return keepList_->KeepButtons(); }

TPictureButton* TfrmMain::KeepTarget() const { return keepList_->KeepTarget(); }

std::vector<std::uint32_t> TfrmMain::KeepColors() const { return keepList_->KeepColors(); }

void TfrmMain::btnKeepAddClick(QObject*) { keepList_->AddColor(cmdColorView->Color()); }

void TfrmMain::btnKeepClearClick(QObject*) { keepList_->btnKeepClearClick(); }

void TfrmMain::AddKeepColor(const std::string& Text) { keepList_->AddKeepColor(Text); }

void TfrmMain::ArrangeKeepPanel() { keepList_->ArrangeKeepPanel(); }

void TfrmMain::KeepButtonMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons, int, int) {
  keepList_->KeepButtonMouseUp(qobject_cast<TPictureButton*>(Sender), Button);
}

void TfrmMain::tbKeepClearClick(QObject*) { keepList_->tbKeepClearClick(); }

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
    if (hb::MessageDlg("キープデータを保存せずに終了しますか？", hb::TMsgDlgType::mtConfirmation,
                       hb::mbYes | hb::mbNo) != hb::mrYes) {
      CanClose = false;
      return;
    }
    hb::SetScreenCursor(hb::crHourGlass);
  }
  // Closing: nothing more is recorded, and the swatches go.
  timHistory->SetEnabled(false);
  keepList_->Clear();
  FreePalletView();
  history_->Clear();
  hb::SetScreenCursor(hb::crDefault);
}
