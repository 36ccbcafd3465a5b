#pragma once
// The main window. One class holds the handlers of every feature; each
// feature's methods are defined in that feature's folder (colour
// synchronisation in src/color, ...). This header is organised by feature.
// A feature's state and logic live in a small class of its own folder that
// the window owns; it is only forward-declared here.

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "color/ColorValue.h"
#include "support/Controls.h"
#include "support/PictureButton.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QToolBar;
class TfrmCaption;
class TFindFile;
class TScreenColorPicker;
struct TPalletData;
struct TSearchRec;
namespace hb {
class ColorHistory;
class KeepList;
} // namespace hb
class TfrmEditor;
class TfrmVersion;

namespace hb {
class TCaptureBurst;
class TPortalPick;
class TSidePanel;
class TColorOutput;
class TSaveDialog;
class TSchemeRow;
struct THSVColor;
}

class TfrmMain : public hb::TForm {
  Q_OBJECT
 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  // ---- Start-up (src/app) ---------------------------------------------------
  // The start-up step now running; the splash window shows it.
  std::string StatusText;
  void FormCreate(QObject* Sender);

  // ---- Toolbar commands (src/app) -------------------------------------------
  void TBHelpClick(QObject* Sender);
  void TB_EndClick(QObject* Sender);

  // ---- Version dialog and palette editor (src/app/frmMainWindows.cpp) ---------
  void TBItem3Click(QObject* Sender);
  void TB_PlugInEditorClick(QObject* Sender);
  // Connects the two windows, created hidden, to this one: they disable and
  // enable it, and the editor reads the kept colours through KeepColors.
  void AttachSecondaryWindows(TfrmVersion* Version, TfrmEditor* Editor);

  // ---- Current colour and control synchronisation (src/color) ----------------
  TColorData PendingColor{-1, -1, -1};
  void SetColors(int R, int G, int B);
  void ClearPendingColor();
  void ApplyPendingColor();
  void HookChangeEvents(bool Hook);
  void TrackBar_RGBChange(QObject* Sender);
  void SpnRGBChange(QObject* Sender);
  void TrackBar_HSVChange(QObject* Sender);
  void SpnHSVChange(QObject* Sender);
  void TrackBar_CMYKChange(QObject* Sender);
  void SpnCMYKChange(QObject* Sender);
  void cmdResetClick(QObject* Sender);
  void cmdSetHexClick(QObject* Sender);
  void SetColorFromHex(const std::string& Text);
  std::string ColorDataToHex(const TColorData& Color) const;
  void SetColorHint(TPictureButton* Button, const std::string& Suffix);
  int HexToInt(const std::string& Text) const;

  // Test seams of the refresh: a hook called before each of its steps (it may
  // throw to stand for a failure), and how deeply refreshes were ever nested.
  std::function<void(int step)> ApplyStepHookForTesting;
  int RefreshDepth() const { return refreshDepth_; }
  int MaxRefreshDepth() const { return maxRefreshDepth_; }
  int RefreshCount() const { return refreshCount_; }

  // ---- Screen colour capture (src/capture) -----------------------------------
  void StartScreenPick(bool ConfineToChart);
  void abfColorPicker1Timer(QObject* Sender);
  void TimMouseDounTimer(QObject* Sender);
  void btnColorCaptureMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y);
  void btnColorCaptureMouseMove(QObject* Sender, Qt::MouseButtons Shift, int X, int Y);
  void btnColorCaptureMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y);
  void btn_StaticCaptureClick(QObject* Sender);
  void btn_DynamicCaptureClick(QObject* Sender);
  void cmdGetColorFromDisplay_DynamicClick(QObject* Sender);
  void SetColorControlsEnabled(bool Enabled);
  // The sampling bursts of the eyedropper and the chart (owned by the window).
  hb::TCaptureBurst* CaptureBurst = nullptr;
  // Lets the still capture window hide this window while it copies the screen,
  // set the colour picked in it, and show this window again when it closes.
  void AttachStillCapture(TfrmCaption* Caption);
  // Picking through the desktop portal in a Wayland session (owned by the window).
  hb::TPortalPick* PortalPick = nullptr;

  // ---- HSV chart picking (src/chart) --------------------------------------------
  void imgHSVMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y);
  void imgHSVMouseMove(QObject* Sender, Qt::MouseButtons Shift, int X, int Y);
  void imgHSVMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y);

  // ---- Swatches (src/collections) ----------------------------------------------
  // A swatch of a side-panel view or of the hue schemes, set up the one common
  // way, shown; its click makes its colour current.
  TPictureButton* CreateSwatch(QWidget* Parent, const QColor& Color, const std::string& HintSuffix);
  // A swatch's colour and the hint that tells it.
  void ColorSwatch(TPictureButton* Swatch, const QColor& Color, const std::string& HintSuffix);
  void btnClicktoColorPanel(QObject* Sender);

  // ---- Palettes and the side panel's views (src/collections) --------------------
  TFindFile* FindFile1 = nullptr;
  hb::TSidePanel* SidePanel = nullptr;
  void FindFile1Find(const std::string& FileName, const std::string& Path, TSearchRec Search, bool& Cancel);
  void cmbPalletSelectChange(QObject* Sender);
  void ShowPallet(const std::string& Name);
  void FormMouseWheelDown(QObject* Sender, Qt::KeyboardModifiers Shift, const QPoint& MousePos, bool& Handled);
  void FormMouseWheelUp(QObject* Sender, Qt::KeyboardModifiers Shift, const QPoint& MousePos, bool& Handled);
  // The palettes loaded at start-up; the palette view's swatches and labels,
  // entry i of each for item i of the palette on view.
  const std::vector<TPalletData>& PalletList() const;
  const std::vector<TPictureButton*>& PalletButtons() const;
  const std::vector<QLabel*>& PalletLabels() const;
  // Frees the palette view's controls one by one (when the window closes).
  void FreePalletView();
  // ---- Hue-scheme swatches (src/chart) -----------------------------------------
  hb::TSchemeRow* SchemeRow = nullptr;
  void timOptionPanelTimer(QObject* Sender);
  void btnHSVOptionS_Click(QObject* Sender);
  void UpdateSchemeSwatches();
  void ClearSchemeSwatches();
  QColor SchemeColorAt(hb::THSVColor HSV, int Offset) const;
  void AddSchemeColor(const QColor& Color);
  void BuildSchemeSwatches();

  // ---- Colour codes to the clipboard, colour image file (src/output) -----------
  hb::TColorOutput* ColorOutput = nullptr;
  hb::TSaveDialog* SaveDialog1 = nullptr;
  QMenu* TBPopupMenu1 = nullptr;
  QMenu* TBSubmenuItem4 = nullptr;
  QAction* TB_Out_ColorImage = nullptr;
  QAction* TB_Out_RGB = nullptr;
  QAction* TB_Out_Hex = nullptr;
  QAction* TB_Out_HTML = nullptr;
  QAction* TB_Out_VBCode = nullptr;
  QMenu* TB_SumMenuPopUp = nullptr;
  void PutClipboardText(const std::string& Text);
  void TB_Out_RGBClick(QObject* Sender);
  void TB_Out_HexClick(QObject* Sender);
  void TB_Out_HTMLClick(QObject* Sender);
  void TB_Out_VBCodeClick(QObject* Sender);
  void TB_SaveColorImageClick(QObject* Sender);

  // ---- Keep list and settings file (src/collections) -------------------------
  const std::vector<TPictureButton*>& KeepButtons() const;
  TPictureButton* KeepTarget() const;
  // The kept colours in order, red in the low byte (what the editor imports).
  std::vector<std::uint32_t> KeepColors() const;
  void btnKeepAddClick(QObject* Sender);
  void btnKeepClearClick(QObject* Sender);
  void AddKeepColor(const std::string& Text);
  void ArrangeKeepPanel();
  void KeepButtonMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y);
  void tbKeepClearClick(QObject* Sender);
  // Writes the keep list to the settings file and frees the side panel's swatches.
  void FormCloseQuery(QObject* Sender, bool& CanClose) override;

  // ---- Colour history (src/collections) ----------------------------------------
  const std::vector<TPictureButton*>& HistoryButtons() const;
  void timHistoryTimer(QObject* Sender);
  void RecordHistory();

  // ---- Layout: toolbar -------------------------------------------------------
  QWidget* TBDock1 = nullptr;
  QToolBar* TBToolbar2 = nullptr;
  QAction* TB_OutPut = nullptr;
  QAction* TB_SaveColorImage = nullptr;
  QMenu* TBSubmenuItem2 = nullptr;
  QAction* TBItem1 = nullptr;
  QAction* TBItem2 = nullptr;
  QAction* TBItem4 = nullptr;
  QAction* TBItem5 = nullptr;
  QAction* TBItem6 = nullptr;
  QMenu* TBSubmenuItem3 = nullptr;
  QAction* TB_PlugInEditor = nullptr;
  QAction* TBHelp = nullptr;
  QAction* TBItem3 = nullptr;
  QAction* TB_End = nullptr;

  // ---- Layout: current colour, side panel, capture, hexadecimal, reset --------
  hb::TGroupBox* GroupBox9 = nullptr;
  TPictureButton* cmdColorView = nullptr;
  hb::TGroupBox* GroupBox4 = nullptr;
  hb::TPanel* Panel3 = nullptr;
  QComboBox* cmbPalletSelect = nullptr;
  hb::TPanel* pnlKeepBase = nullptr;
  QScrollArea* scbKeepWork = nullptr;
  hb::TPanel* pnlKeep = nullptr;
  hb::TPanel* pnlKeepButton = nullptr;
  QPushButton* btnKeepAdd = nullptr;
  QPushButton* btnKeepClear = nullptr;
  QScrollArea* scbPalletWork = nullptr;
  hb::TPanel* pnlPallet = nullptr;
  QScrollArea* scbHistoryWork = nullptr;
  hb::TPanel* pnlHistory = nullptr;
  hb::TGroupBox* GroupBox5 = nullptr;
  TPictureButton* btnColorCapture = nullptr;
  QPushButton* btn_StaticCapture = nullptr;
  QPushButton* btn_DynamicCapture = nullptr;
  QPushButton* cmdGetColorFromDisplay_Dynamic = nullptr;
  hb::TGroupBox* GroupBox3 = nullptr;
  QLineEdit* txtHex = nullptr;
  QPushButton* cmdSetHex = nullptr;
  TPictureButton* cmdReset = nullptr;

  // ---- Layout: RGB and CMYK ---------------------------------------------------
  hb::TGroupBox* GroupBox2 = nullptr;
  QLabel* lbRed = nullptr;
  QLabel* lbGreen = nullptr;
  QLabel* lbBlue = nullptr;
  hb::TTrackBar* TrackBar_Red = nullptr;
  hb::TTrackBar* TrackBar_Green = nullptr;
  hb::TTrackBar* TrackBar_Blue = nullptr;
  hb::TSpinEdit* SpnRed = nullptr;
  hb::TSpinEdit* SpnGreen = nullptr;
  hb::TSpinEdit* SpnBlue = nullptr;
  hb::TGroupBox* GroupBox1 = nullptr;
  QLabel* lbCyan = nullptr;
  QLabel* lbMagenta = nullptr;
  QLabel* lbYellow = nullptr;
  QLabel* lbBlack = nullptr;
  hb::TTrackBar* TrackBar_C = nullptr;
  hb::TTrackBar* TrackBar_M = nullptr;
  hb::TTrackBar* TrackBar_Y = nullptr;
  hb::TTrackBar* TrackBar_K = nullptr;
  hb::TSpinEdit* SpnCyan = nullptr;
  hb::TSpinEdit* SpnMagenta = nullptr;
  hb::TSpinEdit* SpnYellow = nullptr;
  hb::TSpinEdit* SpnBlack = nullptr;

  // ---- Layout: HSV ------------------------------------------------------------
  hb::TGroupBox* GroupBox8 = nullptr;
  hb::TImage* imgHSV = nullptr;
  hb::TImage* imgHue = nullptr;
  hb::TImage* imgSaturation = nullptr;
  hb::TImage* imgValue = nullptr;
  QLabel* lbHue = nullptr;
  QLabel* lbSaturation = nullptr;
  QLabel* lbValue = nullptr;
  hb::TTrackBar* TrackBar_H = nullptr;
  hb::TTrackBar* TrackBar_S = nullptr;
  hb::TTrackBar* TrackBar_V = nullptr;
  hb::TSpinEdit* SpnH = nullptr;
  hb::TSpinEdit* SpnS = nullptr;
  hb::TSpinEdit* SpnV = nullptr;
  hb::TGroupBox* GroupBox10 = nullptr;
  QButtonGroup* HSVOptionGroup = nullptr;
  QPushButton* btnHSVOption_None = nullptr;
  QPushButton* btnHSVOption_Ruisetu = nullptr;
  QPushButton* btnHSVOption_Ruiji = nullptr;
  QPushButton* btnHSVOption_Chuusa = nullptr;
  QPushButton* btnHSVOption_Taisyo = nullptr;
  QPushButton* btnHSVOption_Hosyoku = nullptr;

  // ---- Layout: status bar, menus, timers --------------------------------------
  hb::TStatusBar* StatusBar1 = nullptr;
  QProgressBar* StatusProgressBar1 = nullptr;
  QMenu* popupKeep = nullptr;
  QAction* tbKeepClear = nullptr;
  TScreenColorPicker* abfColorPicker1 = nullptr;
  hb::TTimer* TimMouseDoun = nullptr;
  hb::TTimer* timOptionPanel = nullptr;
  hb::TTimer* timHistory = nullptr;

 private:
  void CreateToolbar();
  void CreateColorView();
  void CreateSidePanel();
  void CreateCaptureGroup();
  void CreateHexAndReset();
  void CreateRGBGroup();
  void CreateCMYKGroup();
  void CreateHSVGroup();
  void CreateStatusBar();
  void CreateTimersAndMenus();
  void NameControls();
  void WireHandlers();
  void WireCapture();
  void WireChart();
  void WirePallets();
  void WireScheme();
  void WireOutput();

  // Keep list and settings file; colour history.
  void WireKeep();
  void WireHistory();
  std::string SettingsFileName() const;
  void ReadKeepSettings();
  hb::KeepList* keepList_ = nullptr;
  hb::ColorHistory* history_ = nullptr;

  int refreshDepth_ = 0;
  int maxRefreshDepth_ = 0;
  int refreshCount_ = 0;
};

// The one main window; set as soon as its construction starts.
extern TfrmMain* frmMain;
