// The palette editor window offscreen: entries, the keep import, palette
// files and GIMP palettes through the dialog seam, the questions on close and
// the main window's enabled state.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <fstream>
#include <sstream>

#include "FileBytes.h"
#include "app/frmMain.h"
#include "editor/frmEditor.h"
#include "settings/AppPaths.h"
#include "platform/FileDialogs.h"
#include "settings/IniFile.h"
#include "platform/MessageBoxes.h"
#include "support/PictureButton.h"
#include "text/ReducePathName.h"

namespace {

std::string Fixture(const char* name) { return std::string(HB_TEST_DATA_DIR "/gimp/") + name; }

QStringList Lines(const TfrmEditor& e) {
  QStringList lines;
  for (int i = 0; i < e.ListBox1->count(); ++i) lines << e.ListBox1->item(i)->text();
  return lines;
}

QStringList RecordNames(const TfrmEditor& e) {
  QStringList names;
  for (const tColors& c : e.EditorItems) names << QString::fromStdString(c.Name);
  return names;
}

void Select(TfrmEditor& e, int row) {
  e.ListBox1->setCurrentRow(row);
  QVERIFY(e.ListBox1->item(row)->isSelected());
}

// Puts name and colour into the edit controls and applies them to the selected entry.
void Edit(TfrmEditor& e, int row, const QString& name, int r, int g, int b) {
  Select(e, row);
  e.Edit1->setText(name);
  e.SpnRed->SetValue(r);
  e.SpnGreen->SetValue(g);
  e.SpnBlue->SetValue(b);
  QTest::mouseClick(e.btnSave, Qt::LeftButton);
}

} // namespace

class TestFrmEditor : public QObject {
  Q_OBJECT

  hb::ScopedMessageBoxes* boxes_ = nullptr;
  hb::ScopedFileDialogs* dialogs_ = nullptr;

  hb::RecordingMessageBoxes& Boxes() { return boxes_->boxes; }
  hb::RecordingFileDialogs& Dialogs() { return dialogs_->dialogs; }

 private slots:
  void init() {
    boxes_ = new hb::ScopedMessageBoxes;
    dialogs_ = new hb::ScopedFileDialogs;
  }
  void cleanup() {
    delete dialogs_;
    delete boxes_;
  }

  void opensEmpty() {
    TfrmEditor e;
    e.show();
    QCOMPARE(e.windowTitle(), QStringLiteral("Huebrook Editor"));
    QCOMPARE(e.size(), QSize(452, 474));
    QCOMPARE(e.ListBox1->count(), 0);
    QVERIFY(!e.EditorModified);
    QCOMPARE(e.lblAlert->text(),
             QString::fromUtf8("追加・編集し、保存されたプラグインは、\n再起動すると反映されます。"));
    QVERIFY(e.Timer1->Enabled());
    e.Timer1Timer(nullptr);
    QVERIFY(!e.btnDelete->isEnabled());
    QVERIFY(!e.btnSave->isEnabled());
    QVERIFY(!e.btnSavePlugIn->isEnabled());
  }

  void threeAddsGiveBlackNewEntries() {
    TfrmEditor e;
    e.show();
    for (int i = 0; i < 3; ++i) QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    const QStringList expected{"新規プラグイン#1", "新規プラグイン#2", "新規プラグイン#3"};
    QCOMPARE(Lines(e), expected);
    QCOMPARE(RecordNames(e), expected);
    for (const tColors& c : e.EditorItems) QVERIFY(c.R == 0 && c.G == 0 && c.B == 0);
    QVERIFY(e.EditorModified);
    // Added, not selected: delete stays off until a line is chosen.
    e.Timer1Timer(nullptr);
    QVERIFY(e.btnSave->isEnabled());
    QVERIFY(e.btnSavePlugIn->isEnabled());
    QVERIFY(!e.btnDelete->isEnabled());
    Select(e, 1);
    e.Timer1Timer(nullptr);
    QVERIFY(e.btnDelete->isEnabled());
  }

  void clickShowsEntry() {
    TfrmEditor e;
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    e.EditorItems[0] = tColors{"odd", 300, -5, 128};
    Select(e, 0);
    QCOMPARE(e.Edit1->text(), QStringLiteral("odd"));
    // Out of range values show as the nearer limit.
    QCOMPARE(e.SpnRed->Value(), 255);
    QCOMPARE(e.SpnGreen->Value(), 0);
    QCOMPARE(e.SpnBlue->Value(), 128);
    QCOMPARE(e.cmdColorView->Color(), QColor(255, 0, 128));
    QCOMPARE(e.cmdColorView->InColor(), QColor(255, 0, 128));
  }

  void deleteSecondOfThree_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(hb::mrYes);
    QTest::newRow("no") << int(hb::mrNo);
  }
  void deleteSecondOfThree() {
    QFETCH(int, answer);
    TfrmEditor e;
    e.show();
    for (int i = 0; i < 3; ++i) QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    Edit(e, 0, "赤", 255, 0, 0);
    Edit(e, 1, "緑", 0, 255, 0);
    Edit(e, 2, "青", 0, 0, 255);
    e.EditorModified = false;
    Select(e, 1);
    Boxes().answers = {answer};
    QTest::mouseClick(e.btnDelete, Qt::LeftButton);
    QCOMPARE(Boxes().shown.size(), std::size_t(1));
    QCOMPARE(Boxes().shown[0].type, hb::TMsgDlgType::mtWarning);
    QCOMPARE(QString::fromStdString(Boxes().shown[0].text), QString::fromUtf8("緑を削除します\nよろしいですか？"));
    if (answer == hb::mrNo) {
      QCOMPARE(Lines(e), (QStringList{"赤", "緑", "青"}));
      QVERIFY(!e.EditorModified);
      return;
    }
    QCOMPARE(Lines(e), (QStringList{"赤", "青"}));
    QCOMPARE(RecordNames(e), (QStringList{"赤", "青"}));
    QCOMPARE(e.EditorItems[0].R, 255);
    QCOMPARE(e.EditorItems[1].B, 255);
    QCOMPARE(e.EditorItems[1].R, 0);
    QVERIFY(e.ListBox1->selectedItems().isEmpty());
    QVERIFY(e.EditorModified);
  }

  void saveRefusesUnreadableNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("named");
    QTest::newRow("trailing blank") << "a " << "前後の空白";
    QTest::newRow("leading tab") << "\ta" << "前後の空白";
  }
  void saveRefusesUnreadableNames() {
    QFETCH(QString, name);
    QFETCH(QString, named);
    TfrmEditor e;
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    e.EditorModified = false;
    Edit(e, 0, name, 1, 2, 3);
    QCOMPARE(Boxes().shown.size(), std::size_t(1));
    QCOMPARE(Boxes().shown[0].type, hb::TMsgDlgType::mtWarning);
    QVERIFY(QString::fromStdString(Boxes().shown[0].text).contains(named));
    QCOMPARE(Lines(e), QStringList{"新規プラグイン#1"});
    QCOMPARE(e.EditorItems[0].R, 0);
    QVERIFY(!e.EditorModified);
  }

  void keepImport() {
    TfrmEditor e;
    e.KeepColors = [] { return std::vector<std::uint32_t>{0x0080FF, 0x000000}; };
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    QTest::mouseClick(e.btnLoadKeepData, Qt::LeftButton);
    QCOMPARE(Lines(e), (QStringList{"FF8000", "000000"}));
    QCOMPARE(e.EditorItems[0].R, 255);
    QCOMPARE(e.EditorItems[0].G, 128);
    QCOMPARE(e.EditorItems[0].B, 0);
    QVERIFY(!e.EditorModified);
    QVERIFY(Boxes().shown.empty());
    // Closing at once asks nothing.
    e.close();
    QVERIFY(Boxes().shown.empty());
    QVERIFY(!e.isVisible());
  }

  void emptyKeepListLeavesList() {
    TfrmEditor e;
    e.KeepColors = [] { return std::vector<std::uint32_t>{}; };
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    QTest::mouseClick(e.btnLoadKeepData, Qt::LeftButton);
    QCOMPARE(Boxes().shown.size(), std::size_t(1));
    QCOMPARE(Boxes().shown[0].type, hb::TMsgDlgType::mtInformation);
    QCOMPARE(QString::fromStdString(Boxes().shown[0].text), QString::fromUtf8("データがキープされていません。"));
    QCOMPARE(Lines(e), QStringList{"新規プラグイン#1"});
    QVERIFY(e.EditorModified);
  }

  void largeKeepImportGrows() {
    TfrmEditor e;
    std::vector<std::uint32_t> many(70000);
    for (std::size_t i = 0; i < many.size(); ++i) many[i] = std::uint32_t(i);
    e.KeepColors = [&] { return many; };
    e.show();
    e.btnLoadKeepDataClick(nullptr);
    QCOMPARE(e.ListBox1->count(), 70000);
    QCOMPARE(e.EditorItems.size(), std::size_t(70000));
    QCOMPARE(e.ListBox1->item(69999)->text(), QStringLiteral("6F1101"));
    // Adding beyond the old table's end keeps working.
    e.btnAddClick(nullptr);
    QCOMPARE(e.EditorItems.size(), std::size_t(70001));
  }

  void loadPlugInFile() {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/p";
    QVERIFY(QDir().mkdir(QString::fromStdString(folder)));
    // Padded to a path of 60 bytes.
    const std::string path = folder + "/" + std::string(60 - folder.size() - 4, 'x') + ".hb";
    WriteBytes(path, "[Sky]\r\nR=135\r\nG=206\r\nB=235\r\n[Night]\r\nR=10\r\n[Hex]\r\nR=0x80\r\nG=$80\r\nB=abc\r\n");
    TfrmEditor e;
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    Dialogs().pathAnswers = {path};
    QTest::mouseClick(e.btnLoadPlugIn, Qt::LeftButton);
    QCOMPARE(Dialogs().shown.size(), std::size_t(1));
    QCOMPARE(Dialogs().shown[0].kind, hb::TFileDialogKind::Open);
    QCOMPARE(QString::fromStdString(Dialogs().shown[0].filter),
             QString::fromUtf8("Huebrook　プラグインファイル|*.hb|GIMPパレット(*.gpl)|*.gpl"));
    QCOMPARE(Dialogs().shown[0].initialDir, hb::FolderOf(hb::ExecutablePath()));
    // 60 bytes: the first 18, "...", the last 19.
    QCOMPARE(path.size(), std::size_t(60));
    QCOMPARE(e.pnlFileName->text().toStdString(), path.substr(0, 18) + "..." + path.substr(41));
    QCOMPARE(Lines(e), (QStringList{"Sky", "Night", "Hex"}));
    QCOMPARE(RecordNames(e), (QStringList{"Sky", "Night", "Hex"}));
    QCOMPARE(e.EditorItems[0].G, 206);
    QCOMPARE(e.EditorItems[1].R, 10);
    QCOMPARE(e.EditorItems[1].G, 0);
    QCOMPARE(e.EditorItems[2].R, 128);
    QCOMPARE(e.EditorItems[2].G, 128);
    QCOMPARE(e.EditorItems[2].B, 0);
    QVERIFY(!e.EditorModified);
    QVERIFY(e.ListBox1->selectedItems().isEmpty());
    e.close();
    QVERIFY(Boxes().shown.empty());
  }

  // Whatever the file holds, the load ends with what the palette reader
  // finds in it, and messages keep running while it goes on.
  void loadBadFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("sparseSize");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("not INI") << QByteArray("just some text\nwithout = headers\n") << qint64(0) << QStringList{};
    QTest::newRow("empty") << QByteArray() << qint64(0) << QStringList{};
    QTest::newRow("binary") << QByteArray("\x00\xFF[\x00]\x01\x02\n\x81", 10) << qint64(0) << QStringList{};
    QTest::newRow("100 MB") << QByteArray("[Big]\r\nR=1\r\n") << qint64(100) * 1024 * 1024 << QStringList{};
    QFile cp932(QStringLiteral(HB_TEST_DATA_DIR "/windows_cp932.hb"));
    QVERIFY(cp932.open(QIODevice::ReadOnly));
    QTest::newRow("CP932 from Windows") << cp932.readAll() << qint64(0)
                                        << QStringList{"空色", "ア", "ヂ", "ゾ", "表示"};
  }
  void loadBadFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, sparseSize);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.hb"));
    {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(bytes);
      if (sparseSize) QVERIFY(f.resize(sparseSize));
    }
    TfrmEditor e;
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    Dialogs().pathAnswers = {path.toStdString()};
    QTest::mouseClick(e.btnLoadPlugIn, Qt::LeftButton);
    QTEST(Lines(e), "names");
    QCOMPARE(RecordNames(e), Lines(e));
    QVERIFY(!e.EditorModified);
    QVERIFY(Boxes().shown.empty());
  }

  void longLoadLetsMessagesRun() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("many.hb").toStdString();
    std::string text;
    constexpr int kSections = 100000;
    for (int i = 0; i < kSections; ++i) text += "[c" + std::to_string(i) + "]\nR=" + std::to_string(i % 256) + "\n";
    WriteBytes(path, text);
    TfrmEditor e;
    // Each time messages run, the ping is answered and posted again.
    struct Ping : QObject {
      TfrmEditor* editor = nullptr;
      int count = 0;
      int exportOpen = 0;  // times the export command could be pressed meanwhile
      bool event(QEvent* ev) override {
        if (ev->type() != QEvent::User) return QObject::event(ev);
        ++count;
        if (editor->ToolBar1->isEnabled() && editor->TB_ExportGpl->isEnabled()) ++exportOpen;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        return true;
      }
    } ping;
    ping.editor = &e;
    e.show();
    // The export command is open before the load starts.
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    e.Timer1Timer(nullptr);
    QVERIFY(e.TB_ExportGpl->isEnabled());
    QCoreApplication::postEvent(&ping, new QEvent(QEvent::User));
    Dialogs().pathAnswers = {path};
    e.btnLoadPlugInClick(nullptr);
    QCOMPARE(e.ListBox1->count(), kSections);
    QCOMPARE(e.EditorItems.back().R, (kSections - 1) % 256);
    QVERIFY2(ping.count >= kSections, QByteArray::number(ping.count));
    QCOMPARE(ping.exportOpen, 0);
    // While the load ran, its commands were shut; now they are open again.
    QVERIFY(e.Panel1->isEnabled());
    QVERIFY(e.ListBox1->isEnabled());
    QVERIFY(e.ToolBar1->isEnabled());
  }

  void cancelledLoadChangesNothing() {
    TfrmEditor e;
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    QTest::mouseClick(e.btnLoadPlugIn, Qt::LeftButton);  // no answer: cancelled
    QCOMPARE(Lines(e), QStringList{"新規プラグイン#1"});
    QVERIFY(e.EditorModified);
  }

  void savePlugInFile() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("mine").toStdString();
    TfrmEditor e;
    e.show();
    for (int i = 0; i < 2; ++i) QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    Edit(e, 0, "空色", 135, 206, 235);
    Dialogs().pathAnswers = {path};
    QTest::mouseClick(e.btnSavePlugIn, Qt::LeftButton);
    QCOMPARE(Dialogs().shown[0].kind, hb::TFileDialogKind::Save);
    QCOMPARE(QString::fromStdString(Dialogs().shown[0].filter),
             QString::fromUtf8("Huebrook プラグインファイル(*.hb)|*.hb"));
    QVERIFY(!e.EditorModified);
    hb::TIniFile file(path);
    QCOMPARE(file.ReadSections(), (std::vector<std::string>{"空色", "新規プラグイン#2"}));
    QCOMPARE(file.ReadInteger("空色", "G", -1), 206);
    QVERIFY(!QFile::exists(dir.filePath("mine.hb")));
  }

  void repeatedNamesAsk_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("ok") << int(hb::mrOk);
    QTest::newRow("cancel") << int(hb::mrCancel);
  }
  void repeatedNamesAsk() {
    QFETCH(int, answer);
    QTemporaryDir dir;
    const std::string path = dir.filePath("dup.hb").toStdString();
    WriteBytes(path, "[Old]\r\nR=1\r\n");
    TfrmEditor e;
    e.show();
    for (int i = 0; i < 3; ++i) QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    Edit(e, 0, "Sky", 1, 1, 1);
    Edit(e, 2, "SKY", 2, 2, 2);
    Boxes().shown.clear();
    Boxes().answers = {answer};
    Dialogs().pathAnswers = {path};
    QTest::mouseClick(e.btnSavePlugIn, Qt::LeftButton);
    QCOMPARE(Boxes().shown.size(), std::size_t(1));
    QCOMPARE(Boxes().shown[0].type, hb::TMsgDlgType::mtConfirmation);
    QCOMPARE(Boxes().shown[0].buttons, hb::TMsgDlgButtons(hb::mbOK | hb::mbCancel));
    QVERIFY(QString::fromStdString(Boxes().shown[0].text).contains(QStringLiteral("「Sky」")));
    if (answer == hb::mrCancel) {
      QCOMPARE(ReadBytes(path), std::string("[Old]\r\nR=1\r\n"));
      QVERIFY(e.EditorModified);
      return;
    }
    hb::TIniFile file(path);
    QCOMPARE(file.ReadSections(), (std::vector<std::string>{"Sky", "新規プラグイン#2"}));
    QCOMPARE(file.ReadInteger("Sky", "R", -1), 2);
    QVERIFY(!e.EditorModified);
  }

  void failedSaveKeepsFileAndModified() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("in-the-way.hb"));
    const std::string path = dir.filePath("in-the-way.hb").toStdString();
    TfrmEditor e;
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    Dialogs().pathAnswers = {path};
    QTest::mouseClick(e.btnSavePlugIn, Qt::LeftButton);
    QCOMPARE(Boxes().shown.size(), std::size_t(1));
    QCOMPARE(Boxes().shown[0].type, hb::TMsgDlgType::mtError);
    QCOMPARE(QString::fromStdString(Boxes().shown[0].text), QString::fromStdString(path) + " に書き込めません");
    QVERIFY(e.EditorModified);
    QVERIFY(QFileInfo(QString::fromStdString(path)).isDir());
    QVERIFY(!QGuiApplication::overrideCursor());
  }

  // closing: the question's answer, the save dialog's answer (empty: cancel),
  // whether the save target works; whether the window stays open.
  void closeQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("chooseFile");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<bool>("fileWritten");
    QTest::addColumn<int>("repeatedAnswer");  // 0: no repeated names
    QTest::newRow("cancel") << int(hb::mrCancel) << false << true << true << false << 0;
    QTest::newRow("no") << int(hb::mrNo) << false << true << false << false << 0;
    QTest::newRow("yes, saved") << int(hb::mrYes) << true << true << false << true << 0;
    QTest::newRow("yes, dialog cancelled") << int(hb::mrYes) << false << true << true << false << 0;
    QTest::newRow("yes, repeated names cancelled") << int(hb::mrYes) << true << true << true << false
                                                   << int(hb::mrCancel);
    QTest::newRow("yes, write fails") << int(hb::mrYes) << true << false << true << false << 0;
  }
  void closeQuestion() {
    QFETCH(int, answer);
    QFETCH(bool, chooseFile);
    QFETCH(bool, writable);
    QTemporaryDir dir;
    if (!writable) QVERIFY(QDir(dir.path()).mkdir("p.hb"));
    const std::string path = dir.filePath("p.hb").toStdString();
    int enabledCalls = 0;
    TfrmEditor e;
    e.EnableMainWindow = [&](bool on) { enabledCalls += on ? 1 : -100; };
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    QFETCH(int, repeatedAnswer);
    Boxes().answers = {answer};
    if (repeatedAnswer) {
      QTest::mouseClick(e.btnAdd, Qt::LeftButton);
      e.ListBox1->setCurrentRow(1);
      e.Edit1->setText(e.ListBox1->item(0)->text());
      QTest::mouseClick(e.btnSave, Qt::LeftButton);
      Boxes().answers.push_back(repeatedAnswer);
    }
    if (chooseFile) Dialogs().pathAnswers = {path};
    QTest::mouseClick(e.btnClose, Qt::LeftButton);
    QCOMPARE(QString::fromStdString(Boxes().shown.at(0).text),
             QString::fromUtf8("データが編集されています。\nプラグインを保存しますか？"));
    QCOMPARE(Boxes().shown[0].buttons, hb::TMsgDlgButtons(hb::mbYes | hb::mbNo | hb::mbCancel));
    QTEST(e.isVisible(), "staysOpen");
    // Left open, the list is as it was, still unsaved.
    if (e.isVisible()) QVERIFY(e.ListBox1->count() == (repeatedAnswer ? 2 : 1) && e.EditorModified);
    QTEST(QFileInfo(QString::fromStdString(path)).isFile(), "fileWritten");
    QCOMPARE(enabledCalls, e.isVisible() ? 0 : 1);
    QCOMPARE(e.Timer1->Enabled(), e.isVisible());
  }

  // A GIMP palette opens through the plug-in command like a plug-in file;
  // whatever the file holds, the load ends without a question or a message.
  void openGimpPalette_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("paletteName");
    QFile wairo(QString::fromStdString(Fixture("wairo.gpl")));
    QVERIFY(wairo.open(QIODevice::ReadOnly));
    QTest::newRow("Japanese names") << "wairo.gpl" << wairo.readAll()
                                    << QStringList{"桜色", "瑠璃色", "Orange with spaces  in name"} << "和色";
    QTest::newRow("no colours") << "empty.gpl" << QByteArray("GIMP Palette\nName: 空\nColumns: 16\n#\n")
                                << QStringList{} << "空";
    QTest::newRow("not a GIMP palette") << "fake.gpl" << QByteArray("<svg>not a palette</svg>\n") << QStringList{}
                                        << "fake";
  }
  void openGimpPalette() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const std::string path = dir.filePath(fileName).toStdString();
    WriteBytes(path, bytes.toStdString());
    TfrmEditor e;
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    Dialogs().pathAnswers = {path};
    QTest::mouseClick(e.btnLoadPlugIn, Qt::LeftButton);
    QTEST(Lines(e), "lines");
    QCOMPARE(RecordNames(e), Lines(e));
    QTEST(QString::fromStdString(e.PaletteName), "paletteName");
    QCOMPARE(e.pnlFileName->text().toStdString(), hb::ReducePathName(path, 40));
    QVERIFY(!e.EditorModified);
    QVERIFY(Boxes().shown.empty());
    e.Timer1Timer(nullptr);
    QCOMPARE(e.TB_ExportGpl->isEnabled(), e.ListBox1->count() > 0);
  }

  // Opened and exported, a palette as GIMP writes it comes back byte for
  // byte, edits included; exporting leaves the question on closing as it was.
  void exportGpl_data() {
    QTest::addColumn<bool>("edit");
    QTest::newRow("as opened") << false;
    QTest::newRow("after an edit") << true;
  }
  void exportGpl() {
    QFETCH(bool, edit);
    QTemporaryDir dir;
    const std::string out = dir.filePath("out.gpl").toStdString();
    TfrmEditor e;
    e.show();
    Dialogs().pathAnswers = {Fixture("wairo.gpl")};
    QTest::mouseClick(e.btnLoadPlugIn, Qt::LeftButton);
    std::string expected = ReadBytes(Fixture("wairo.gpl"));
    if (edit) {
      Edit(e, 1, "群青色", 76, 104, 177);
      expected.replace(expected.find("  0 123 187\t瑠璃色"), std::string("  0 123 187\t瑠璃色").size(),
                       " 76 104 177\t群青色");
    }
    QCOMPARE(e.EditorModified, edit);
    e.Timer1Timer(nullptr);
    QVERIFY(e.TB_ExportGpl->isEnabled());
    Dialogs().answers = {hb::TSaveDialogAnswer{out, 1}};
    e.TB_ExportGpl->trigger();
    QCOMPARE(Dialogs().requests.size(), std::size_t(1));
    const hb::TSaveDialogRequest& request = Dialogs().requests[0];
    QCOMPARE(QString::fromStdString(request.filter), QString::fromUtf8("GIMPパレット(*.gpl)|*.gpl"));
    QCOMPARE(request.defaultExt, std::string("gpl"));
    QVERIFY(request.options & hb::ofOverwritePrompt);
    QVERIFY(request.options & hb::ofPathMustExist);
    QCOMPARE(QString::fromStdString(ReadBytes(out)), QString::fromStdString(expected));
    QCOMPARE(e.EditorModified, edit);
    QVERIFY(Boxes().shown.empty());
    QVERIFY(!QGuiApplication::overrideCursor());
    // A cancelled export writes nothing.
    QVERIFY(QFile::remove(QString::fromStdString(out)));
    e.TB_ExportGpl->trigger();
    QVERIFY(!QFile::exists(QString::fromStdString(out)));
    QVERIFY(Boxes().shown.empty());
  }

  void exportFailureIsTold() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("nowhere/p.gpl").toStdString();
    TfrmEditor e;
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    Dialogs().answers = {hb::TSaveDialogAnswer{path, 1}};
    e.TB_ExportGplClick(nullptr);
    QCOMPARE(Boxes().shown.size(), std::size_t(1));
    QCOMPARE(Boxes().shown[0].type, hb::TMsgDlgType::mtError);
    QCOMPARE(QString::fromStdString(Boxes().shown[0].text), QString::fromStdString(path) + " に書き込めません");
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(e.EditorModified);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{});
  }

  // The real save dialog: a name typed without extension gets .gpl, and an
  // existing file is replaced only when the user says so.
  void realExportDialog_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");  // to the overwrite question; 0: not asked
    QTest::addColumn<QString>("written");  // the file that holds the export; empty: none
    QTest::newRow("no extension") << "pal" << 0 << "pal.gpl";
    QTest::newRow("own extension") << "pal.txt" << 0 << "pal.txt";
    QTest::newRow("existing, replace") << "old" << int(hb::mrYes) << "old.gpl";
    QTest::newRow("existing, keep") << "old.gpl" << int(hb::mrNo) << "";
  }
  void realExportDialog() {
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, written);
    QTemporaryDir dir;
    const std::string old = "GIMP Palette\nName: old\n";
    WriteBytes(dir.filePath("old.gpl").toStdString(), old);
    hb::SetFileDialogServiceForTesting(nullptr);  // the real dialog
    if (answer) Boxes().answers = {answer};
    TfrmEditor e;
    e.show();
    QTest::mouseClick(e.btnAdd, Qt::LeftButton);
    // Types the name into the dialog and presses save; gives up if it stays.
    bool typedIn = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<hb::TSaveFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      dialog->setDirectory(dir.path());
      auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (edit) {
        edit->setText(typed);
        typedIn = true;
      }
      dialog->accept();
      if (dialog->isVisible()) dialog->reject();
    });
    e.TB_ExportGpl->trigger();
    QVERIFY(typedIn);
    QCOMPARE(Boxes().shown.size(), std::size_t(answer ? 1 : 0));
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    if (written.isEmpty()) {
      QCOMPARE(files, QStringList{"old.gpl"});
      QCOMPARE(ReadBytes(dir.filePath("old.gpl").toStdString()), old);
      return;
    }
    QVERIFY2(files.contains(written), qPrintable(files.join(',')));
    QVERIFY(QString::fromStdString(ReadBytes(dir.filePath(written).toStdString()))
                .startsWith(QString::fromUtf8("GIMP Palette\nName: ") + QFileInfo(written).completeBaseName()));
  }

  void editorDisablesMainWindow() {
    TfrmMain main;
    TfrmEditor e;
    main.AttachSecondaryWindows(nullptr, &e);
    main.show();
    QVERIFY(main.TB_PlugInEditor->isEnabled());
    main.TB_PlugInEditor->trigger();
    QVERIFY(e.isVisible());
    QVERIFY(!main.isEnabled());
    // The keep list reaches the editor through the main window.
    QTest::mouseClick(e.btnLoadKeepData, Qt::LeftButton);
    QCOMPARE(QString::fromStdString(Boxes().shown.at(0).text), QString::fromUtf8("データがキープされていません。"));
    QTest::mouseClick(e.btnClose, Qt::LeftButton);
    QVERIFY(!e.isVisible());
    QVERIFY(main.isEnabled());
    // Shown again, the editor starts over with an empty list.
    main.TB_PlugInEditorClick(nullptr);
    QCOMPARE(e.ListBox1->count(), 0);
    QVERIFY(!main.isEnabled());
    e.close();
    QVERIFY(main.isEnabled());
  }
};

QTEST_MAIN(TestFrmEditor)
#include "tst_frmEditor.moc"
