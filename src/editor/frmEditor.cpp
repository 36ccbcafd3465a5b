#include "editor/frmEditor.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolBar>
#include <optional>

#include "support/Caption.h"
#include "collections/PaletteFile.h"
#include "settings/AppPaths.h"
#include "platform/FileDialogs.h"
#include "settings/IniFile.h"
#include "platform/MessageBoxes.h"
#include "support/ProcessPending.h"
#include "support/PictureButton.h"
#include "text/ReducePathName.h"
#include "text/Translate.h"

TfrmEditor* frmEditor = nullptr;

namespace {

constexpr int kPanel1Width = 201;
// The export toolbar between the file name and the list.
constexpr int kToolBarHeight = 24;

TPictureButton* MakeBigButton(QWidget* parent, const char* name, const char* caption, const char* picture,
                              int top) {
  auto* button = new TPictureButton(parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setGeometry(8, top, 185, 65);
  button->SetCaption(QCoreApplication::translate("TfrmEditor", caption));
  button->SetPicture(QPixmap(QString::fromUtf8(picture)));
  button->SetPictureLeft(5);
  button->SetPictureTop(23);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

QPushButton* MakeSmallButton(QWidget* parent, const char* name, const char* caption, int left) {
  auto* button = new QPushButton(QCoreApplication::translate("TfrmEditor", caption), parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setGeometry(left, 152, 57, 17);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A repeated-name warning lists this many names at most.
constexpr std::size_t kListedNames = 20;

} // namespace

TfrmEditor::TfrmEditor(QWidget* parent) : hb::TForm(parent) {
  frmEditor = this;
  setObjectName(QStringLiteral("frmEditor"));
  setWindowTitle(QStringLiteral("Huebrook Editor"));
  SetFixedFrame(QSize(452, 474), hb::TFrame::Minimizable);

  CreatePanels();
  CreateEditControls();
  CreateCommandButtons();
  CreateExportToolBar();
  NameForAccessibility();

  Timer1 = new hb::TTimer(this, 30);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->SetOnTimer([this](QObject* sender) { Timer1Timer(sender); });

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

  FormCreate(this);
}

void TfrmEditor::CreatePanels() {
  Panel2 = new hb::TPanel(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setGeometry(0, 0, width() - kPanel1Width, height());
  // Inside the panel's 3-pixel border: the file name on top, the notice at
  // the bottom, the list in between.
  const QRect inner = Panel2->rect().adjusted(3, 3, -3, -3);

  pnlFileName = new QLabel(Panel2);
  pnlFileName->setObjectName(QStringLiteral("pnlFileName"));
  pnlFileName->setGeometry(inner.left(), inner.top(), inner.width(), 30);
  pnlFileName->setFrameStyle(QFrame::Panel | QFrame::Raised);
  pnlFileName->setAlignment(Qt::AlignCenter);

  pnlAlert = new hb::TPanel(Panel2);
  pnlAlert->setObjectName(QStringLiteral("pnlAlert"));
  pnlAlert->setGeometry(inner.left(), inner.bottom() + 1 - 39, inner.width(), 39);
  lblAlert = new QLabel(pnlAlert);
  lblAlert->setObjectName(QStringLiteral("lblAlert"));
  lblAlert->setGeometry(pnlAlert->rect().adjusted(5, 5, -5, -5));
  lblAlert->setWordWrap(true);

  ListBox1 = new QListWidget(Panel2);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setGeometry(inner.left(), inner.top() + 30 + kToolBarHeight, inner.width(),
                        inner.height() - 30 - kToolBarHeight - 39);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->setSortingEnabled(false);
  // Every line the same height: long lists lay out without measuring each one.
  ListBox1->setUniformItemSizes(true);
  ListBox1->setStyleSheet(QStringLiteral("QListWidget::item { height: 12px; padding: 0px; }"));
  // A click on the selected line reloads it too; the keys move the selection.
  connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(ListBox1); });
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) ListBox1Click(ListBox1);
  });
}

void TfrmEditor::CreateEditControls() {
  Panel1 = new hb::TPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(width() - kPanel1Width, 0, kPanel1Width, height());

  cmdColorView = new TPictureButton(Panel1);
  cmdColorView->setObjectName(QStringLiteral("cmdColorView"));
  cmdColorView->setGeometry(8, 8, 185, 81);
  cmdColorView->SetButtonStyle(TPictureButton::bsFlat);
  cmdColorView->setEnabled(false);

  Label2 = hb::MakeCaption(Panel1, QCoreApplication::translate("TfrmEditor", "色名"), Qt::black, 7, 100, false);
  Label2->setObjectName(QStringLiteral("Label2"));
  Edit1 = new QLineEdit(Panel1);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(40, 96, 153, 21);

  struct Row {
    const char* caption;
    QColor color;
    QLabel** label;
    hb::TSpinEdit** spin;
    const char* name;
    void (TfrmEditor::*change)(QObject*);
  };
  const Row rows[] = {
      {"R", Qt::red, &lbRed, &SpnRed, "SpnRed", &TfrmEditor::SpnRedChange},
      {"G", QColor(0, 128, 0), &lbGreen, &SpnGreen, "SpnGreen", &TfrmEditor::SpnGreenChange},
      {"B", Qt::blue, &lbBlue, &SpnBlue, "SpnBlue", &TfrmEditor::SpnBlueChange},
  };
  for (int i = 0; i < 3; ++i) {
    const int left = 8 + 64 * i;
    *rows[i].label = hb::MakeCaption(Panel1, QString::fromUtf8(rows[i].caption), rows[i].color, left, 126, true);
    auto* spin = new hb::TSpinEdit(Panel1, 0, 255, 3);
    spin->setObjectName(QString::fromUtf8(rows[i].name));
    spin->setGeometry(left + 16, 122, 41, 21);
    const auto change = rows[i].change;
    spin->OnChange = [this, change](QObject* sender) { (this->*change)(sender); };
    *rows[i].spin = spin;
  }
  lbRed->setObjectName(QStringLiteral("lbRed"));
  lbGreen->setObjectName(QStringLiteral("lbGreen"));
  lbBlue->setObjectName(QStringLiteral("lbBlue"));

  btnAdd = MakeSmallButton(Panel1, "btnAdd", QT_TRANSLATE_NOOP("TfrmEditor", "追加"), 8);
  btnDelete = MakeSmallButton(Panel1, "btnDelete", QT_TRANSLATE_NOOP("TfrmEditor", "削除"), 72);
  btnSave = MakeSmallButton(Panel1, "btnSave", QT_TRANSLATE_NOOP("TfrmEditor", "保存"), 136);
  connect(btnAdd, &QAbstractButton::clicked, this, [this] { btnAddClick(btnAdd); });
  connect(btnDelete, &QAbstractButton::clicked, this, [this] { btnDeleteClick(btnDelete); });
  connect(btnSave, &QAbstractButton::clicked, this, [this] { btnSaveClick(btnSave); });
}

void TfrmEditor::CreateCommandButtons() {
  btnLoadKeepData = MakeBigButton(Panel1, "btnLoadKeepData", QT_TRANSLATE_NOOP("TfrmEditor", "キープデータを取得"), ":/editor/keep.png", 176);
  btnLoadPlugIn = MakeBigButton(Panel1, "btnLoadPlugIn", QT_TRANSLATE_NOOP("TfrmEditor", "プラグインファイル読み込み"), ":/editor/open.png", 248);
  btnSavePlugIn = MakeBigButton(Panel1, "btnSavePlugIn", QT_TRANSLATE_NOOP("TfrmEditor", "プラグインファイルの保存"), ":/editor/save.png", 320);
  btnClose = MakeBigButton(Panel1, "btnClose", QT_TRANSLATE_NOOP("TfrmEditor", "プラグインエディタを閉じる"), ":/editor/close.png", 392);
  connect(btnLoadKeepData, &QAbstractButton::clicked, this, [this] { btnLoadKeepDataClick(btnLoadKeepData); });
  connect(btnLoadPlugIn, &QAbstractButton::clicked, this, [this] { btnLoadPlugInClick(btnLoadPlugIn); });
  connect(btnSavePlugIn, &QAbstractButton::clicked, this, [this] { btnSavePlugInClick(btnSavePlugIn); });
  connect(btnClose, &QAbstractButton::clicked, this, [this] { btnCloseClick(btnClose); });
}

void TfrmEditor::CreateExportToolBar() {
  ToolBar1 = new QToolBar(Panel2);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setGeometry(pnlFileName->x(), pnlFileName->geometry().bottom() + 1, pnlFileName->width(),
                        kToolBarHeight);
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  TB_ExportGpl = ToolBar1->addAction(QIcon(QStringLiteral(":/editor/save.png")),
                                     QCoreApplication::translate("TfrmEditor", "GIMPパレットに書き出し"));
  TB_ExportGpl->setObjectName(QStringLiteral("TB_ExportGpl"));
  TB_ExportGpl->setToolTip(QCoreApplication::translate("TfrmEditor", "一覧をGIMPパレット(.gpl)として書き出します"));
  if (QWidget* button = ToolBar1->widgetForAction(TB_ExportGpl)) button->setCursor(Qt::PointingHandCursor);
  connect(TB_ExportGpl, &QAction::triggered, this, [this] { TB_ExportGplClick(TB_ExportGpl); });

  SaveDialogGpl = new hb::TSaveDialog(this);
  SaveDialogGpl->setObjectName(QStringLiteral("SaveDialogGpl"));
  SaveDialogGpl->Filter = hb::Tr("TfrmEditor", kExportGplFilter);
  SaveDialogGpl->DefaultExt = "gpl";
  // The dialog's defaults: it asks before replacing a file and refuses a
  // missing folder or a read-only file.
}

// ---- Lifecycle -------------------------------------------------------------

void TfrmEditor::FormCreate(QObject*) { ClearList(); }

void TfrmEditor::FormShow(QObject*) {
  Timer1->SetEnabled(true);
  ClearList();
  lblAlert->setText(QCoreApplication::translate("TfrmEditor", "追加・編集し、保存されたプラグインは、\n再起動すると反映されます。"));
  EditorModified = false;
}

void TfrmEditor::FormCloseQuery(QObject*, bool& CanClose) {
  // A load or save in progress finishes first.
  if (Busy()) {
    CanClose = false;
    return;
  }
  if (EditorModified) {
    const int answer = hb::MessageDlg(hb::Tr("TfrmEditor", "データが編集されています。\nプラグインを保存しますか？"),
                                      hb::TMsgDlgType::mtConfirmation, hb::mbYes | hb::mbNo | hb::mbCancel);
    if (answer == hb::mrCancel) {
      CanClose = false;
      return;
    }
    // Yes asks for the list to be saved: unless it was, closing would lose
    // it, whether the save failed or the user stopped it.
    if (answer == hb::mrYes && SavePlugIn() != SaveResult::Saved) {
      CanClose = false;
      return;
    }
  }
  Timer1->SetEnabled(false);
  if (EnableMainWindow) EnableMainWindow(true);
}

void TfrmEditor::btnCloseClick(QObject*) { close(); }

// ---- Edit controls -----------------------------------------------------------

void TfrmEditor::Timer1Timer(QObject*) {
  if (Busy()) return;
  if (ListBox1->count() == 0) {
    btnDelete->setEnabled(false);
    btnSave->setEnabled(false);
    btnSavePlugIn->setEnabled(false);
    TB_ExportGpl->setEnabled(false);
    Edit1->clear();
    SpnRed->SetValue(0);
    SpnGreen->SetValue(0);
    SpnBlue->SetValue(0);
    ShowEditorColor();
  } else {
    btnDelete->setEnabled(SelectedIndex() >= 0);
    btnSave->setEnabled(true);
    btnSavePlugIn->setEnabled(true);
    TB_ExportGpl->setEnabled(true);
  }
}

void TfrmEditor::ShowEditorColor() {
  // Only the low eight bits of each value count.
  const QColor color(SpnRed->Value() & 0xFF, SpnGreen->Value() & 0xFF, SpnBlue->Value() & 0xFF);
  cmdColorView->SetColor(color);
  cmdColorView->SetInColor(color);
}

void TfrmEditor::SpnRedChange(QObject*) { ShowEditorColor(); }
void TfrmEditor::SpnGreenChange(QObject*) { ShowEditorColor(); }
void TfrmEditor::SpnBlueChange(QObject*) { ShowEditorColor(); }

int TfrmEditor::SelectedIndex() const {
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  return selected.isEmpty() ? -1 : ListBox1->row(selected.front());
}

void TfrmEditor::ListBox1Click(QObject*) {
  const int i = SelectedIndex();
  if (i < 0 || std::size_t(i) >= EditorItems.size()) return;
  const tColors& item = EditorItems[std::size_t(i)];
  Edit1->setText(Q(item.Name));
  // Values beyond 0 to 255 show as the nearer limit.
  SpnRed->SetValue(item.R);
  SpnGreen->SetValue(item.G);
  SpnBlue->SetValue(item.B);
  ShowEditorColor();
}

// ---- Entries -----------------------------------------------------------------

void TfrmEditor::ClearList() {
  const QSignalBlocker blocker(ListBox1);
  ListBox1->clear();
  EditorItems.clear();
  PaletteName.clear();
  // Memory of a large earlier list goes back with it.
  EditorItems.shrink_to_fit();
}

void TfrmEditor::SetEntries(std::vector<tColors> items) {
  ClearList();
  // All lines in one go: a list that grew line by line, with messages
  // running between the lines, would be laid out again after each one.
  QStringList lines;
  lines.reserve(qsizetype(items.size()));
  for (const tColors& item : items) lines << Q(item.Name);
  const QSignalBlocker blocker(ListBox1);
  ListBox1->addItems(lines);
  EditorItems = std::move(items);
}

void TfrmEditor::AppendEntry(tColors item) {
  const QSignalBlocker blocker(ListBox1);
  ListBox1->addItem(Q(item.Name));
  EditorItems.push_back(std::move(item));
}

void TfrmEditor::btnAddClick(QObject*) {
  AppendEntry(tColors{hb::NewEntryName(EditorItems), 0, 0, 0});
  EditorModified = true;
}

void TfrmEditor::btnSaveClick(QObject*) {
  const int i = SelectedIndex();
  if (i < 0) return;
  const std::string name = Edit1->text().toStdString();
  // Such a name would come back from the file as another name, or not at all.
  const std::vector<std::string> problems = hb::NameProblems(name);
  if (!problems.empty()) {
    std::string list;
    for (const std::string& p : problems) list += (list.empty() ? "" : hb::Tr("TfrmEditor", "、")) + p;
    hb::MessageDlg(hb::Arg(hb::Tr("TfrmEditor", "色名に次の文字は使えません：%1"), list), hb::TMsgDlgType::mtWarning,
                   hb::mbOK);
    return;
  }
  {
    const QSignalBlocker blocker(ListBox1);
    ListBox1->item(i)->setText(Q(name));
  }
  tColors& item = EditorItems[std::size_t(i)];
  item.Name = name;
  item.R = SpnRed->Value();
  item.G = SpnGreen->Value();
  item.B = SpnBlue->Value();
  EditorModified = true;
}

void TfrmEditor::btnDeleteClick(QObject*) {
  const int i = SelectedIndex();
  if (i < 0) return;
  const std::string& name = EditorItems[std::size_t(i)].Name;
  if (hb::MessageDlg(hb::Arg(hb::Tr("TfrmEditor", "%1を削除します\nよろしいですか？"), name), hb::TMsgDlgType::mtWarning,
                     hb::mbYes | hb::mbNo) != hb::mrYes)
    return;
  {
    const QSignalBlocker blocker(ListBox1);
    delete ListBox1->takeItem(i);
    ListBox1->clearSelection();
    ListBox1->setCurrentRow(-1);
  }
  EditorItems.erase(EditorItems.begin() + i);
  EditorModified = true;
}

// ---- Keep data and palette files ---------------------------------------------

void TfrmEditor::RunBusy(const std::function<void()>& work) {
  ++busy_;
  Panel1->setEnabled(false);
  ListBox1->setEnabled(false);
  ToolBar1->setEnabled(false);
  struct Restore {
    TfrmEditor* self;
    ~Restore() {
      if (--self->busy_ == 0) {
        self->Panel1->setEnabled(true);
        self->ListBox1->setEnabled(true);
        self->ToolBar1->setEnabled(true);
      }
    }
  } restore{this};
  work();
}

void TfrmEditor::btnLoadKeepDataClick(QObject*) {
  const std::vector<std::uint32_t> colors = KeepColors ? KeepColors() : std::vector<std::uint32_t>{};
  if (colors.empty()) {
    hb::MessageDlg(hb::Tr("TfrmEditor", "データがキープされていません。"), hb::TMsgDlgType::mtInformation, hb::mbOK);
    return;
  }
  RunBusy([&] {
    std::vector<tColors> items;
    items.reserve(colors.size());
    for (std::uint32_t color : colors) {
      hb::ProcessPending();
      items.push_back(hb::KeepEntry(color));
    }
    SetEntries(std::move(items));
    pnlFileName->clear();
  });
  EditorModified = false;
}

void TfrmEditor::btnLoadPlugInClick(QObject*) {
  const std::optional<std::string> path =
      hb::OpenFileDialog(hb::Tr("TfrmEditor", kOpenFilter), hb::PaletteFolderForDialogs());
  if (path) OpenPlugIn(*path);
}

void TfrmEditor::OpenPlugIn(const std::string& path) {
  pnlFileName->setText(Q(hb::ReducePathName(path, 40)));
  RunBusy([&] {
    ClearList();
    hb::TEditorPalette palette = hb::ReadEditorPalette(path, [] { hb::ProcessPending(); });
    SetEntries(std::move(palette.Items));
    PaletteName = std::move(palette.Name);
  });
  EditorModified = false;
}

void TfrmEditor::btnSavePlugInClick(QObject*) { SavePlugIn(); }

TfrmEditor::SaveResult TfrmEditor::SavePlugIn() {
  const std::optional<std::string> path = hb::SaveFileDialog(hb::Tr("TfrmEditor", kSaveFilter), SaveFolder());
  if (!path) return SaveResult::Cancelled;

  // Entries of one name share one section, where the last one wins: the user
  // decides whether the others may go.
  const std::vector<std::string> repeated = hb::RepeatedNames(EditorItems);
  if (!repeated.empty()) {
    std::string text = hb::Tr("TfrmEditor", "次の色名が重複しています。") + "\n";
    for (std::size_t i = 0; i < repeated.size() && i < kListedNames; ++i)
      text += hb::Arg(hb::Tr("TfrmEditor", "「%1」"), repeated[i]) + "\n";
    if (repeated.size() > kListedNames)
      text += hb::Arg(hb::Tr("TfrmEditor", "ほか %1 件"), std::to_string(repeated.size() - kListedNames)) + "\n";
    text += hb::Tr("TfrmEditor", "同じ色名の項目は、最後の項目だけが保存されます。よろしいですか？");
    if (hb::MessageDlg(text, hb::TMsgDlgType::mtConfirmation, hb::mbOK | hb::mbCancel) != hb::mrOk)
      return SaveResult::Cancelled;
  }

  // What is written is the list as it stood at the press.
  const std::vector<tColors> items = EditorItems;
  // Whatever failed, the old file is as it was and the list stays unsaved.
  if (!WriteReported(*path, [&] {
        RunBusy([&] { hb::SavePaletteEntries(*path, items, [] { hb::ProcessPending(); }); });
      }))
    return SaveResult::Failed;
  EditorModified = false;
  return SaveResult::Saved;
}

void TfrmEditor::TB_ExportGplClick(QObject*) {
  SaveDialogGpl->InitialDir = SaveFolder();
  if (!SaveDialogGpl->Execute()) return;
  // Exporting copies the list into another format; it does not save the
  // plug-in file, so the question on closing stays as it was.
  const std::string& path = SaveDialogGpl->FileName;
  WriteReported(path, [&] { hb::ExportGplEntries(path, PaletteName, EditorItems); });
}

std::string TfrmEditor::SaveFolder() {
  // Installed, the program's own folder cannot take the file: start in the
  // user's palette folder, which the next start searches.
  return hb::CurrentProgramFolders().portable ? std::string() : hb::PaletteFolderForDialogs();
}

bool TfrmEditor::WriteReported(const std::string& path, const std::function<void()>& write) {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    write();
  } catch (const std::exception&) {
    QGuiApplication::restoreOverrideCursor();
    hb::MessageDlg(hb::IniWriteError(path).what(), hb::TMsgDlgType::mtError, hb::mbOK);
    return false;
  }
  QGuiApplication::restoreOverrideCursor();
  return true;
}
