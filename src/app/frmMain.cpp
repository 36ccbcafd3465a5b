// The main window: its construction, its start-up sequence and its toolbar
// commands. The layout is in frmMainLayout.cpp, each feature's wiring and
// handlers in its own frmMain<Feature>.cpp.

#include "app/frmMain.h"

#include <QApplication>
#include <QBackingStore>
#include <QButtonGroup>
#include <QComboBox>
#include <QScreen>
#include <chrono>
#include <thread>

#include "app/AppStyle.h"
#include "chart/HSVColorChart.h"
#include "collections/SidePanel.h"
#include "editor/frmEditor.h"  // the windows made on first use, freed with this one
#include "platform/ScreenCursor.h"
#include "platform/Shell.h"
#include "platform/WindowPrefill.h"
#include "settings/AppPaths.h"
#include "support/FindFile.h"
#include "support/ProcessPending.h"
#include "support/frmVersion.h"
#include "text/Translate.h"

TfrmMain* frmMain = nullptr;


TfrmMain::TfrmMain(QWidget* parent, std::function<void()> awaitWindowFont)
    : hb::TForm(parent), awaitWindowFont_(std::move(awaitWindowFont)) {
  frmMain = this;
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Huebrook"));
  // Its font is set when its controls are made, in start-up's pause.
  SetFixedFrame(QSize(672, 671), hb::TFrame::Minimizable, false);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  CreatePaletteSearch();
  FormCreate(this);
}

TfrmMain::~TfrmMain() {
  if (frmMain == this) frmMain = nullptr;
}

void TfrmMain::CreateControls() {
  CreateToolbar();
  CreateColorView();
  CreateSidePanel();
  CreateCaptureGroup();
  CreateHexAndReset();
  CreateRGBGroup();
  CreateCMYKGroup();
  CreateHSVGroup();
  CreateStatusBar();
  CreateTimersAndMenus();
  NameControls();
  WireHandlers();
  WireKeys();
  NameForAccessibility();
}

void TfrmMain::WireHandlers() {
  connect(TBHelp, &QAction::triggered, this, [this] { TBHelpClick(TBHelp); });
  connect(TB_End, &QAction::triggered, this, [this] { TB_EndClick(TB_End); });
  connect(TB_PlugInEditor, &QAction::triggered, this, [this] { TB_PlugInEditorClick(TB_PlugInEditor); });
  connect(TBItem3, &QAction::triggered, this, [this] { TBItem3Click(TBItem3); });
  // The colour first: every other feature shows it or sets it.
  WireColor();
  WireSwatches();
  // Before any swatch is made: each follows the simulation from its making.
  WireVision();
  WireCapture();
  WireChart();
  WireScheme();
  WirePalettes();
  WireOutput();
  WireKeep();
  WireNearestName();
}

// ---- Start-up ---------------------------------------------------------------

void TfrmMain::FormCreate(QObject*) {
  // 1. The eyedropper cursor: registered in the pause below, as nothing can
  // use it before the window shows.
  // 2. Hints at once, for up to thirty seconds.
  hb::SetHintTiming(0, 30000);
  // 3. cmdColorView needs nothing here: Qt paints every widget through a back buffer.

  // 4.
  StatusText = hb::Tr("TfrmMain", "起動中...");
  hb::ProcessPending();

  // 5-6. White to start with: set when the controls are made (below), as
  // nothing is left pending, colours travelling as values.

  // 7-8. The palette plug-in files beside the executable, each loaded as it is found.
  StatusText = hb::Tr("TfrmMain", "HBファイル検索中...");
  hb::ProcessPending();
  FindFile1->FileMask.push_back("*.hb");
  FindFile1->FileMask.push_back("*.gpl");  // GIMP and Inkscape palettes dropped beside it
  FindFile1->IsFindSub = false;
  // Beside the executable, and when installed the user's and the system's
  // data folders after it.
  for (const std::string& folder : hb::CurrentProgramFolders().dataFolders) {
    FindFile1->FolderName = folder;
    FindFile1->Execute();
  }
  hb::ProcessPending();

  // 9. The kept colours, from the settings file.
  StatusText = hb::Tr("TfrmMain", "キープデータ読み込み...");
  const std::vector<std::string> keepTexts = ReadKeepSettings();

  // 10. The last status stays half a second. This window is hidden all the
  // while: what the user will see is made during the pause, which ends on a
  // window ready to show. Before it only the files are read, so that the
  // window comes up sooner.
  StatusText = hb::Tr("TfrmMain", "設定完了...");
  const auto pauseEnd = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
  if (awaitWindowFont_) awaitWindowFont_();
  setFont(hb::WindowFont());
  CreateControls();
  // 1. The eyedropper cursor, hot spot at the dropper's tip.
  hb::RegisterScreenCursor(hb::crEyedropper,
                           QCursor(QPixmap(QStringLiteral(":/cursor-eyedropper.png")), 11, 20));
  // 5. This first refresh attaches the change handlers; the palettes are
  // indexed for the colour's nearest name, and the kept colours shown.
  SetColors(255, 255, 255);
  IndexPaletteNames();
  AddKeepColors(keepTexts);
  // The scheme row's first rebuild, which the refresh left to the timer:
  // done now, while nothing shows.
  if (timOptionPanel->Enabled()) timOptionPanelTimer(timOptionPanel);

  // 11. The HSV chart, painted once.
  THSVColorChart::DrawChart(imgHSV);
  PrepareFirstPaint();
  // Messages run once the splash's label (which follows every 10 ms) is due:
  // it shows this last status through the rest of the pause, and the new
  // controls get what they posted to themselves.
  hb::ProcessPending();
  std::this_thread::sleep_until(pauseEnd);
  hb::ProcessPending();

  // 12.
  HookChangeEvents(true);

  // 13. Selecting item 0 while filling must not count as the user's choice.
  {
    const QSignalBlocker blocker(cmbPalletSelect);
    cmbPalletSelect->clear();
    cmbPalletSelect->addItem(QCoreApplication::translate("TfrmMain", "【キープデータ】"));
    cmbPalletSelect->addItem(QCoreApplication::translate("TfrmMain", "【履歴データ】"));
    cmbPalletSelect->setCurrentIndex(0);
    SidePanel->ListPalettes();
  }

  // 14. The history timer.
  timHistory->SetEnabled(true);
}

void TfrmMain::PrepareFirstPaint() {
  // The native window, and its back buffer drawn in full: every control is
  // polished and laid out, every caption's glyphs are in the font engines'
  // caches, and the buffer's memory is allocated and touched now, not when
  // the window first shows. The display server is given the same picture to
  // paint as it maps the window.
  winId();
  if (QBackingStore* store = backingStore()) {
    store->resize(size());
    store->beginPaint(QRegion(rect()));
    render(store->paintDevice());
    store->endPaint();
    if (store->paintDevice()->devType() == QInternal::Image)
      hb::PrefillWindow(windowHandle(), *static_cast<const QImage*>(store->paintDevice()));
  }
}

// ---- Toolbar commands -------------------------------------------------------

void TfrmMain::TBHelpClick(QObject*) {
  // A missing or unopenable help page shows nothing.
  const std::string page = hb::FindDataFile(hb::CurrentProgramFolders().dataFolders, "help.htm");
  if (!page.empty()) hb::ShellOpen(page);
}

void TfrmMain::TB_EndClick(QObject*) { close(); }
