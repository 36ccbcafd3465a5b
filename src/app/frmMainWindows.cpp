// The main window's commands that open the version dialog and the palette
// editor, and the connections those windows have to it.

#include <QPointer>

#include "app/frmMain.h"
#include "editor/frmEditor.h"
#include "support/frmVersion.h"

void TfrmMain::TBItem3Click(QObject*) {
  // The dialog disables this window itself while it shows.
  VersionWindow()->show();
}

void TfrmMain::TB_PlugInEditorClick(QObject*) {
  TfrmEditor* editor = EditorWindow();
  editor->show();
  editor->raise();
  setEnabled(false);
}

void TfrmMain::OpenPaletteFile(const std::string& Path) {
  TB_PlugInEditorClick(this);
  EditorWindow()->OpenPlugIn(Path);
}

TfrmVersion* TfrmMain::VersionWindow() {
  if (!version_) {
    ownVersion_ = std::make_unique<TfrmVersion>();
    AttachSecondaryWindows(ownVersion_.get(), nullptr);
  }
  return version_;
}

TfrmEditor* TfrmMain::EditorWindow() {
  if (!editor_) {
    ownEditor_ = std::make_unique<TfrmEditor>();
    AttachSecondaryWindows(nullptr, ownEditor_.get());
  }
  return editor_;
}

void TfrmMain::AttachSecondaryWindows(TfrmVersion* Version, TfrmEditor* Editor) {
  const QPointer<TfrmMain> self(this);
  auto enable = [self](bool Enabled) {
    if (self) self->setEnabled(Enabled);
  };
  if (Version) {
    version_ = Version;
    Version->EnableMainWindow = enable;
  }
  if (Editor) {
    editor_ = Editor;
    Editor->EnableMainWindow = enable;
    Editor->KeepColors = [self] { return self ? self->KeepColors() : std::vector<std::uint32_t>{}; };
  }
}
