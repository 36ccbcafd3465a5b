// The main window's commands that open the version dialog and the palette
// editor, and the connections those windows have to it.

#include <QPointer>

#include "app/frmMain.h"
#include "editor/frmEditor.h"
#include "support/frmVersion.h"

void TfrmMain::TBItem3Click(QObject*) {
  // The dialog disables this window itself while it shows.
  if (frmVersion) frmVersion->show();
}

void TfrmMain::TB_PlugInEditorClick(QObject*) {
  if (!frmEditor) return;
  frmEditor->show();
  frmEditor->raise();
  setEnabled(false);
}

void TfrmMain::AttachSecondaryWindows(TfrmVersion* Version, TfrmEditor* Editor) {
  const QPointer<TfrmMain> self(this);
  auto enable = [self](bool Enabled) {
    if (self) self->setEnabled(Enabled);
  };
  if (Version) Version->EnableMainWindow = enable;
  if (Editor) {
    Editor->EnableMainWindow = enable;
    Editor->KeepColors = [self] { return self ? self->KeptColorValues() : std::vector<std::uint32_t>{}; };
  }
}

std::vector<std::uint32_t> TfrmMain::KeptColorValues() const {
  // The kept colours are the swatches of the keep panel, in their order.
  std::vector<std::uint32_t> colors;
  for (const TPictureButton* swatch :
       pnlKeep->findChildren<TPictureButton*>(QString(), Qt::FindDirectChildrenOnly)) {
    const QColor c = swatch->Color();
    colors.push_back(std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16);
  }
  return colors;
}
