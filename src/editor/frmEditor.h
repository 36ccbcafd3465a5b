#pragma once
// The palette editor: a list of named colours, started empty, filled from the
// main window's keep list or from a palette file (a plug-in file or a GIMP
// palette), edited entry by entry, saved as a palette file and exported as a
// GIMP palette.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/EditorItems.h"
#include "support/Controls.h"
#include <QtGlobal>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolBar;
class TPictureButton;

namespace hb {
class TSaveDialog;
}

class TfrmEditor : public hb::TForm {
  Q_OBJECT
 public:
  explicit TfrmEditor(QWidget* parent = nullptr);

  // The entries: record i is line i of ListBox1. It grows with the list.
  std::vector<tColors> EditorItems;
  // The list holds changes that were neither saved nor loaded.
  bool EditorModified = false;

  // Set by the main window at creation: the kept colours (red in the low
  // byte) in keep-list order, and its enabled state (the editor enables it
  // again when it closes).
  std::function<std::vector<std::uint32_t>()> KeepColors;
  std::function<void(bool Enabled)> EnableMainWindow;

  hb::TPanel* Panel2 = nullptr;
  QLabel* pnlFileName = nullptr;
  QListWidget* ListBox1 = nullptr;
  hb::TPanel* pnlAlert = nullptr;
  QLabel* lblAlert = nullptr;
  hb::TPanel* Panel1 = nullptr;
  TPictureButton* cmdColorView = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLabel* lbRed = nullptr;
  QLabel* lbGreen = nullptr;
  QLabel* lbBlue = nullptr;
  hb::TSpinEdit* SpnRed = nullptr;
  hb::TSpinEdit* SpnGreen = nullptr;
  hb::TSpinEdit* SpnBlue = nullptr;
  QPushButton* btnAdd = nullptr;
  QPushButton* btnDelete = nullptr;
  QPushButton* btnSave = nullptr;
  TPictureButton* btnLoadKeepData = nullptr;
  TPictureButton* btnLoadPlugIn = nullptr;
  TPictureButton* btnSavePlugIn = nullptr;
  TPictureButton* btnClose = nullptr;
  hb::TTimer* Timer1 = nullptr;

  // GIMP palettes export: the toolbar over the list, its one command and its
  // save dialog (asks before replacing, adds .gpl to a name without one).
  QToolBar* ToolBar1 = nullptr;
  QAction* TB_ExportGpl = nullptr;
  hb::TSaveDialog* SaveDialogGpl = nullptr;
  // The name the list goes by in an exported palette: the Name: line or the
  // file name of the palette last opened; empty after a keep import, when
  // the export takes the exported file's name.
  std::string PaletteName;

  static constexpr const char* kOpenFilter =
      QT_TRANSLATE_NOOP("TfrmEditor", "Huebrook　プラグインファイル|*.hb|GIMPパレット(*.gpl)|*.gpl");
  static constexpr const char* kSaveFilter = QT_TRANSLATE_NOOP("TfrmEditor", "Huebrook プラグインファイル(*.hb)|*.hb");
  static constexpr const char* kExportGplFilter = QT_TRANSLATE_NOOP("TfrmEditor", "GIMPパレット(*.gpl)|*.gpl");

  void FormCreate(QObject* Sender);
  void FormShow(QObject* Sender) override;
  void FormCloseQuery(QObject* Sender, bool& CanClose) override;
  void Timer1Timer(QObject* Sender);
  void ListBox1Click(QObject* Sender);
  void SpnRedChange(QObject* Sender);
  void SpnGreenChange(QObject* Sender);
  void SpnBlueChange(QObject* Sender);
  void btnAddClick(QObject* Sender);
  void btnDeleteClick(QObject* Sender);
  void btnSaveClick(QObject* Sender);
  void btnLoadKeepDataClick(QObject* Sender);
  void btnLoadPlugInClick(QObject* Sender);
  // Loads a plug-in or GIMP palette file into the list, as the open command
  // does after its dialog (the editor showing).
  void OpenPlugIn(const std::string& path);
  void btnSavePlugInClick(QObject* Sender);
  void btnCloseClick(QObject* Sender);
  void TB_ExportGplClick(QObject* Sender);
  void ShowEditorColor();

  // Whether a load or a save is running (its loop lets messages run).
  bool Busy() const { return busy_ > 0; }

 private:
  void CreatePanels();
  void CreateEditControls();
  void CreateCommandButtons();
  void CreateExportToolBar();
  // Names for assistive technology and the tab order (frmEditorAccess.cpp).
  void NameForAccessibility();
  // Runs a long loop with the commands and the list shut while it lasts.
  void RunBusy(const std::function<void()>& work);
  // The selected line, or -1.
  int SelectedIndex() const;
  void ClearList();
  // Replaces the list and its records with items.
  void SetEntries(std::vector<tColors> items);
  void AppendEntry(tColors item);
  enum class SaveResult { Saved, Cancelled, Failed };
  SaveResult SavePlugIn();
  // The folder the save dialogs start in.
  static std::string SaveFolder();
  // Runs write under the hourglass cursor. A failure of any kind is told as
  // "<path> に書き込めません"; false then.
  static bool WriteReported(const std::string& path, const std::function<void()>& write);

  int busy_ = 0;
};

extern TfrmEditor* frmEditor;
