// The main window's palettes and side-panel views: short forwards to the
// side panel (collections/SidePanel.h), which keeps their state.

#include <QComboBox>

#include "app/frmMain.h"
#include "collections/SidePanel.h"
#include "color/CurrentColor.h"
#include "support/FindFile.h"
#include "support/ProcessPending.h"

void TfrmMain::CreatePaletteSearch() {
  // The search component as the form stores it; start-up sets its folder and mask.
  FindFile1 = new TFindFile(this);
  FindFile1->IsFindSub = false;
  FindFile1->CheckTimeIs = tmNone;
  FindFile1->CheckTimeKind = tmLastWrite;
  FindFile1->OnFind = [this](const std::string& FileName, const std::string& Path, TSearchRec Search,
                             bool& Cancel) { FindFile1Find(FileName, Path, Search, Cancel); };
  // Each file is read as it is found, the splash telling which (its label
  // follows every 10 ms); the side panel, made later, takes the palettes.
  foundPalettes_ = std::make_unique<hb::TFoundPalettes>(
      [this, pending = hb::TPacedPending(std::chrono::milliseconds(2))](const std::string& status) mutable {
        StatusText = status;
        pending();
      });
}

void TfrmMain::WirePalettes() {
  SidePanel = new hb::TSidePanel(
      this,
      {this, cmbPalletSelect, pnlKeepBase, scbKeepWork, scbPalletWork, pnlPallet, scbHistoryWork, pnlHistory,
       StatusProgressBar1},
      *Swatches, std::move(foundPalettes_->List),
      [this](bool down, Qt::KeyboardModifiers modifiers, QPoint global) {
        bool handled = false;
        if (down)
          FormMouseWheelDown(this, modifiers, global, handled);
        else
          FormMouseWheelUp(this, modifiers, global, handled);
      },
      [this](const std::string& notice) { CurrentColor->ShowNotice(notice); });
  // A choice of the user, also of the item already chosen (which rebuilds it).
  connect(cmbPalletSelect, &QComboBox::activated, this, [this] { cmbPalletSelectChange(cmbPalletSelect); });
  foundPalettes_.reset();
}

void TfrmMain::FindFile1Find(const std::string& FileName, const std::string& Path, TSearchRec, bool&) {
  // Only the start-up search reads palettes; the list is fixed once the side panel has it.
  if (foundPalettes_) foundPalettes_->Add(FileName, Path);
}

void TfrmMain::cmbPalletSelectChange(QObject*) { SidePanel->SelectChange(); }

void TfrmMain::ShowPallet(const std::string& Name) { SidePanel->ShowPallet(Name); }

void TfrmMain::FreePaletteView() { SidePanel->FreePaletteView(); }

void TfrmMain::FormMouseWheelDown(QObject*, Qt::KeyboardModifiers, const QPoint& MousePos, bool&) {
  SidePanel->ScrollViews(MousePos, true);
}

void TfrmMain::FormMouseWheelUp(QObject*, Qt::KeyboardModifiers, const QPoint& MousePos, bool&) {
  SidePanel->ScrollViews(MousePos, false);
}

const std::vector<TPalletData>& TfrmMain::PalletList() const { return SidePanel->PalletList; }
const std::vector<TPictureButton*>& TfrmMain::PalletButtons() const { return SidePanel->PalletButtons; }
const std::vector<QLabel*>& TfrmMain::PalletLabels() const { return SidePanel->PalletLabels; }
