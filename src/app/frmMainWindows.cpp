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
    Editor->KeepColors = [self] { return self ? self->KeepColors() : std::vector<std::uint32_t>{}; };
  }
}
