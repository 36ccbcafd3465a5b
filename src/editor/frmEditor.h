#pragma once
// The palette editor: a list of named colours, started empty, filled from the
// main window's keep list or from a palette file, edited entry by entry and
// saved as a palette file.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/EditorItems.h"
#include "support/Controls.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TPictureButton;

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

  static constexpr const char* kOpenFilter = "Huebrook　プラグインファイル|*.hb";
  static constexpr const char* kSaveFilter = "Huebrook プラグインファイル(*.hb)|*.hb";

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
  void btnSavePlugInClick(QObject* Sender);
  void btnCloseClick(QObject* Sender);
  void ShowEditorColor();

  // Whether a load or a save is running (its loop lets messages run).
  bool Busy() const { return busy_ > 0; }

 private:
  void CreatePanels();
  void CreateEditControls();
  void CreateCommandButtons();
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

  int busy_ = 0;
};

extern TfrmEditor* frmEditor;
