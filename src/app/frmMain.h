#pragma once
// The main window: the design's one class with the handlers of every
// feature, on top of the program. It lays out the controls, hands each
// feature its own controls (a narrow seam) and forwards the handlers to the
// feature's class; the features know nothing of it. Its methods are defined
// in src/app, one file per feature; this header is organised the same way.

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/Controls.h"
#include "support/PictureButton.h"
#include "values/ColorValue.h"

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
class TfrmEditor;
class TfrmVersion;
class TFindFile;
class TScreenColorPicker;
struct TPalletData;
struct TSearchRec;

namespace hb {
class TCaptureBurst;
class TColorHistory;
class TColorPortal;
class TColorOutput;
class TCurrentColor;
class TKeepList;
class TSaveDialog;
class TSchemeRow;
class TScreenPicking;
class TPickingLens;
class TSidePanel;
class TSwatches;
class TNearestName;
class TVisionSimulation;
enum class TColorVision;
class TSwatchKeys;
class TColorDescription;
class TFoundPalettes;
struct THSVColor;
} // namespace hb

class TfrmMain : public hb::TForm {
  Q_OBJECT
 public:
  // awaitWindowFont, when given, waits until the windows' font is ready
  // (main.cpp looks it up on another thread); the controls are made after it.
  explicit TfrmMain(QWidget* parent = nullptr, std::function<void()> awaitWindowFont = {});
  ~TfrmMain() override;

  // ---- Start-up and toolbar commands (frmMain.cpp) ----------------------------
  // The start-up step now running; the splash window shows it.
  std::string StatusText;
  void FormCreate(QObject* Sender);
  void TBHelpClick(QObject* Sender);
  void TB_EndClick(QObject* Sender);

  // ---- Version dialog and palette editor (frmMainWindows.cpp) -------------------
  void TBItem3Click(QObject* Sender);
  void TB_PlugInEditorClick(QObject* Sender);
  // Connects the two windows, created hidden, to this one: they disable and
  // enable it, and the editor reads the kept colours through KeepColors.
  void AttachSecondaryWindows(TfrmVersion* Version, TfrmEditor* Editor);
  // The windows the toolbar opens. Unless some were attached, each is made
  // and attached the first time it is asked for, and lives as long as this
  // window: most runs are one pick and never open them, so start-up does
  // not make them.
  TfrmVersion* VersionWindow();
  TfrmEditor* EditorWindow();
  // A palette file named on the command line: the editor opens with it.
  void OpenPaletteFile(const std::string& Path);

  // ---- Current colour (frmMainColor.cpp) ----------------------------------------
  hb::TCurrentColor* CurrentColor = nullptr;
  void SetColors(int R, int G, int B);
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
  void SetColorHint(TPictureButton* Button, const std::string& Suffix);
  int RefreshCount() const;
  int RefreshDepth() const;
  int MaxRefreshDepth() const;

  // ---- Screen colour capture and chart picking (frmMainCapture.cpp) --------------
  // The sampling bursts of the eyedropper and the chart.
  hb::TCaptureBurst* CaptureBurst = nullptr;
  // Picking on the screen: through X11 or the desktop portal, chosen at start-up.
  hb::TScreenPicking* Picking = nullptr;
  // The magnifier, the arrow keys and the sampled area while picking (X11).
  hb::TPickingLens* PickingLens = nullptr;
  // Chooses how the screen is picked (portal: the desktop portal's client to
  // use, nullptr for the session bus's).
  void UseScreenPicking(bool ThroughPortal, hb::TColorPortal* Portal = nullptr);
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
  // Lets the still capture window hide this window while it copies the screen,
  // set the colour picked in it, and show this window again when it closes.
  void AttachStillCapture(TfrmCaption* Caption);
  void imgHSVMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y);
  void imgHSVMouseMove(QObject* Sender, Qt::MouseButtons Shift, int X, int Y);
  void imgHSVMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y);

  // ---- Swatches and hue schemes (frmMainSwatches.cpp, frmMainScheme.cpp) ---------
  // Every swatch of the side panel and the scheme row is made here.
  hb::TSwatches* Swatches = nullptr;
  void btnClicktoColorPanel(QObject* Sender);
  hb::TSchemeRow* SchemeRow = nullptr;
  void timOptionPanelTimer(QObject* Sender);
  void btnHSVOptionS_Click(QObject* Sender);
  void UpdateSchemeSwatches();
  QColor SchemeColorAt(hb::THSVColor HSV, int Offset) const;

  // ---- The nearest named colour (frmMainNearestName.cpp) --------------------------
  hb::TNearestName* NearestName = nullptr;
  // Indexes the names of the palettes loaded; shows the current colour's nearest.
  void IndexPaletteNames();
  void ShowNearestName();

  // ---- Colour-vision simulation (frmMainVision.cpp) ------------------------------
  hb::TVisionSimulation* VisionSimulation = nullptr;
  void TB_ColorVisionClick(QObject* Sender);
  void SetColorVision(hb::TColorVision Vision);

  // ---- Palettes and the side panel's views (frmMainPalettes.cpp) ------------------
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
  void FreePaletteView();

  // ---- Colour codes to the clipboard, colour image file (frmMainOutput.cpp) -------
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

  // ---- Keep list, settings file and colour history (frmMainKeep.cpp) --------------
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
  const std::vector<TPictureButton*>& HistoryButtons() const;
  void timHistoryTimer(QObject* Sender);
  void RecordHistory();

  // ---- Keyboard and assistive technology (frmMainKeys.cpp, frmMainAccess.cpp) ---
  // The swatch grids' keys, and the big swatch's description (colour and contrast).
  hb::TSwatchKeys* SwatchKeys = nullptr;
  hb::TColorDescription* ColorDescription = nullptr;

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
  QAction* TB_ColorVision = nullptr;
  QMenu* TBColorVisionMenu = nullptr;  // なし, P型, D型, T型, in that order
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
  // Every control and each feature's class: made while start-up pauses, after
  // the files were read (frmMain.cpp).
  void CreateControls();
  // Layout (frmMainLayout.cpp).
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
  // Each feature's class made and its handlers wired, in the feature's file.
  void WireHandlers();
  void WireColor();
  void WireSwatches();
  void WireCapture();
  void WireChart();
  void WirePalettes();
  void WireScheme();
  void WireOutput();
  void WireKeep();
  void WireNearestName();
  void WireVision();
  // The search for palette files and the palettes it reads (frmMainPalettes.cpp).
  void CreatePaletteSearch();
  // The kept colours' texts in the settings file, and their swatches.
  std::vector<std::string> ReadKeepSettings() const;
  void AddKeepColors(const std::vector<std::string>& Texts);
  void PrepareFirstPaint();
  void WireKeys();
  void NameForAccessibility();

  std::function<void()> awaitWindowFont_;
  std::unique_ptr<hb::TFoundPalettes> foundPalettes_;  // until the side panel takes them
  hb::TKeepList* keepList_ = nullptr;
  hb::TColorHistory* history_ = nullptr;
  int keepGrid_ = -1;    // SwatchKeys' grids that rebuild under the focus
  int schemeGrid_ = -1;
  // The secondary windows attached, and those made here (windows of their
  // own, not children: this window is disabled while they are open).
  QPointer<TfrmVersion> version_;
  QPointer<TfrmEditor> editor_;
  std::unique_ptr<TfrmVersion> ownVersion_;
  std::unique_ptr<TfrmEditor> ownEditor_;
};

// The one main window; set as soon as its construction starts.
extern TfrmMain* frmMain;
