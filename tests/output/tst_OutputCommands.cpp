// The output commands of the main window offscreen: colour codes to the
// clipboard through the menus, and the colour image file through the save
// dialog, answered by the seams; and the rules of the real save dialog.

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include "app/frmMain.h"
#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

namespace {

const char* const kDone = "出力しました";
const char* const kSaved = "保存しました";

QStringList Texts(const hb::RecordingMessageBoxes& boxes) {
  QStringList texts;
  for (const hb::TMessageRequest& r : boxes.shown)
    texts << QString::fromStdString(r.caption) + ": " + QString::fromStdString(r.text);
  return texts;
}

QByteArray Head(const QString& path, int n) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

} // namespace

class TestOutputCommands : public QObject {
  Q_OBJECT

  TfrmMain* w = nullptr;
  QTemporaryDir dir;

  QAction* Action(const QString& name) { return w->findChild<QAction*>(name); }

 private slots:
  void initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("Huebrook"));
    w = new TfrmMain;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
  }

  void cleanupTestCase() { delete w; }

  // Each command, reached through its menu item, puts its text on the
  // clipboard and says so. A null typed text leaves the field as the colour
  // wrote it.
  void clipboardCodes_data() {
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("text");
    const QStringList rgb{"TBItem2", "TB_Out_RGB"};
    const QStringList hex{"TBItem4", "TB_Out_Hex"};
    const QStringList html{"TBItem5", "TB_Out_HTML"};
    const QStringList vb{"TBItem6", "TB_Out_VBCode"};
    const QColor black(0, 0, 0);
    QTest::newRow("RGB black") << black << QString() << rgb << "000000000";
    QTest::newRow("hex black") << black << QString() << hex << "000000";
    QTest::newRow("HTML black") << black << QString() << html << "#000000";
    QTest::newRow("VB black") << black << QString() << vb << "&H00000000&";
    QTest::newRow("RGB 5 60 255") << QColor(5, 60, 255) << QString() << rgb << "005060255";
    QTest::newRow("VB orange") << QColor(255, 128, 0) << QString() << vb << "&H000080FF&";
    QTest::newRow("hex typed ff8000") << QColor(1, 2, 3) << "ff8000" << hex << "ff8000";
    QTest::newRow("HTML typed ff8000") << QColor(1, 2, 3) << "ff8000" << html << "#ff8000";
    QTest::newRow("VB typed ff8000") << QColor(1, 2, 3) << "ff8000" << vb << "&H000080ff&";
    QTest::newRow("RGB ignores the typed field") << QColor(1, 2, 3) << "ff8000" << rgb << "001002003";
    QTest::newRow("VB typed ABC") << QColor(1, 2, 3) << "ABC" << vb << "&H00AB&";
    QTest::newRow("hex empty") << QColor(1, 2, 3) << "" << hex << "";
    QTest::newRow("HTML empty") << QColor(1, 2, 3) << "" << html << "#";
    QTest::newRow("VB empty") << QColor(1, 2, 3) << "" << vb << "&H00&";
    QTest::newRow("VB one character") << QColor(1, 2, 3) << "F" << vb << "&H00F&";
    // The codes for style sheets and source code, from the RGB boxes alone.
    QTest::newRow("CSS rgb") << QColor(255, 128, 0) << "123456" << QStringList{"TB_Out_CssRGB"} << "rgb(255 128 0)";
    QTest::newRow("CSS hsl") << QColor(255, 128, 0) << "123456" << QStringList{"TB_Out_CssHSL"}
                             << "hsl(30deg 100% 50%)";
    QTest::newRow("QColor") << QColor(5, 60, 255) << QString() << QStringList{"TB_Out_QColor"}
                            << "QColor(5, 60, 255)";
    QTest::newRow("floats") << QColor(255, 128, 0) << QString() << QStringList{"TB_Out_Float"}
                            << "1.000, 0.502, 0.000";
    QTest::newRow("CSS oklch") << QColor(255, 0, 0) << QString() << QStringList{"TB_Out_CssOklch"}
                               << "oklch(62.80% 0.2577 29.23)";
    QTest::newRow("CSS lab") << QColor(255, 0, 0) << QString() << QStringList{"TB_Out_CssLab"}
                             << "lab(54.29 80.80 69.89)";
    QTest::newRow("CSS lch") << QColor(255, 0, 0) << QString() << QStringList{"TB_Out_CssLch"}
                             << "lch(54.29 106.84 40.86)";
    QTest::newRow("VB typed multi-byte") << QColor(1, 2, 3) << QString::fromUtf8("表ソ12AB") << vb
                                         << QString::fromUtf8("&H00AB12表ソ&");
  }
  void clipboardCodes() {
    QFETCH(QColor, color);
    QFETCH(QString, typed);
    QFETCH(QStringList, items);
    QFETCH(QString, text);
    for (const QString& item : items) {
      hb::ScopedFakeClipboard clipboard;
      hb::ScopedMessageBoxes boxes;
      clipboard.clipboard.text = "earlier";
      w->SetColors(color.red(), color.green(), color.blue());
      if (!typed.isNull()) w->txtHex->setText(typed);
      QAction* action = Action(item);
      QVERIFY2(action, qPrintable(item));
      action->trigger();
      QCOMPARE(QString::fromStdString(clipboard.clipboard.text), text);
      QCOMPARE(clipboard.clipboard.writes, 1);
      QCOMPARE(Texts(boxes.boxes), QStringList{QString::fromUtf8("Huebrook: ") + QString::fromUtf8(kDone)});
      QCOMPARE(boxes.boxes.shown[0].type, hb::TMsgDlgType::mtNotice);
      QCOMPARE(boxes.boxes.shown[0].buttons, hb::TMsgDlgButtons(hb::mbOK));
    }
  }

  // The codes follow the existing items of the clipboard submenu, visible.
  void newCodesAfterExistingItems() {
    const QList<QAction*> items = w->TBSubmenuItem2->actions();
    QStringList names;
    for (QAction* a : items) names << a->objectName();
    QCOMPARE(names, (QStringList{"TBItem1", "TBItem2", "TBItem4", "TBItem5", "TBItem6", "TB_Out_CssRGB",
                                 "TB_Out_CssHSL", "TB_Out_QColor", "TB_Out_Float", "TB_Out_CssOklch",
                                 "TB_Out_CssLab", "TB_Out_CssLch"}));
    for (int i = 5; i < items.size(); ++i) QVERIFY(items[i]->isVisible());
  }

  // The real clipboard keeps only the text: the formats there before are gone.
  void clipboardHoldsOnlyTheText() {
    hb::ScopedMessageBoxes boxes;
    auto* earlier = new QMimeData;
    earlier->setHtml(QStringLiteral("<b>x</b>"));
    earlier->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(earlier);
    w->SetColors(255, 128, 0);
    w->TBItem4->trigger();
    const QMimeData* now = QGuiApplication::clipboard()->mimeData();
    QVERIFY(now);
    QCOMPARE(now->formats(), QStringList{"text/plain"});
    QCOMPARE(now->text(), QStringLiteral("FF8000"));
  }

  // A clipboard that cannot be written: the notice first, then the error.
  void clipboardFailure() {
    hb::ScopedFakeClipboard clipboard;
    hb::ScopedMessageBoxes boxes;
    clipboard.clipboard.failWrites = true;
    w->PutClipboardText("123");
    QCOMPARE(Texts(boxes.boxes), (QStringList{QString::fromUtf8("Huebrook: ") + QString::fromUtf8(kDone),
                                              QString::fromUtf8("Huebrook: クリップボードを開けません")}));
    QCOMPARE(boxes.boxes.shown[1].type, hb::TMsgDlgType::mtError);
  }

  void menus() {
    // "保存": the image file, the clipboard submenu, and a hidden empty submenu.
    QMenu* save = w->TB_OutPut->menu();
    QVERIFY(save);
    const QList<QAction*> top = save->actions();
    QCOMPARE(top.size(), 3);
    QCOMPARE(top[0], w->TB_SaveColorImage);
    QCOMPARE(top[1]->menu(), w->TBSubmenuItem2);
    QCOMPARE(top[2]->menu(), w->TBSubmenuItem3);
    QVERIFY(top[0]->isVisible() && top[0]->isEnabled() && top[1]->isVisible() && !top[2]->isVisible());
    QVERIFY(w->TBSubmenuItem3->actions().isEmpty());
    QCOMPARE(w->TBSubmenuItem2->actions().mid(0, 5),
             (QList<QAction*>{w->TBItem1, w->TBItem2, w->TBItem4, w->TBItem5, w->TBItem6}));
    QCOMPARE(w->TBItem1->text(), QString::fromUtf8("カラーイメージ出力"));
    for (QAction* hidden : {w->TBItem1, w->TBItem5, w->TBItem6}) QVERIFY(!hidden->isVisible());
    for (QAction* shown : {w->TBItem2, w->TBItem4}) QVERIFY(shown->isVisible() && shown->isEnabled());

    // The popup nothing opens, with its longer captions.
    QVERIFY(w->TBPopupMenu1->parent() == w);
    QCOMPARE(w->TBPopupMenu1->actions().size(), 2);
    QCOMPARE(w->TBPopupMenu1->actions()[0]->menu(), w->TBSubmenuItem4);
    QCOMPARE(w->TBPopupMenu1->actions()[1]->menu(), w->TB_SumMenuPopUp);
    QVERIFY(!w->TBPopupMenu1->actions()[1]->isVisible());
    QCOMPARE(w->TBSubmenuItem4->actions(), (QList<QAction*>{w->TB_Out_ColorImage, w->TB_Out_RGB, w->TB_Out_Hex,
                                                           w->TB_Out_HTML, w->TB_Out_VBCode}));
    QVERIFY(!w->TB_Out_ColorImage->isVisible());
    QCOMPARE(w->TB_Out_Hex->text(), QString::fromUtf8("色コード【１６進】出力"));
  }

  // The save command: what it asks the dialog, and what it writes.
  void saveColorImage_data() {
    QTest::addColumn<QString>("name");  // chosen in the dialog; empty: cancelled
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QString>("box");
    QTest::newRow("bmp") << "a.bmp" << QByteArray("BM") << QString::fromUtf8("情報: 保存しました");
    QTest::newRow("jpg") << "a.jpg" << QByteArray("\xFF\xD8") << QString::fromUtf8("情報: 保存しました");
    QTest::newRow(".JPG is JPEG") << "b.JPG" << QByteArray("\xFF\xD8") << QString::fromUtf8("情報: 保存しました");
    QTest::newRow(".jpeg is JPEG") << "c.jpeg" << QByteArray("\xFF\xD8") << QString::fromUtf8("情報: 保存しました");
    QTest::newRow("cancelled") << "" << QByteArray() << QString();
    QTest::newRow("missing folder") << "nowhere/a.bmp" << QByteArray() << "error";
    QTest::newRow("name is a folder") << "folder" << QByteArray() << "error";
  }
  void saveColorImage() {
    QFETCH(QString, name);
    QFETCH(QByteArray, head);
    QFETCH(QString, box);
    QDir(dir.path()).mkdir("folder");
    hb::ScopedFileDialogs dialogs;
    hb::ScopedMessageBoxes boxes;
    const QString path = dir.filePath(name);
    if (!name.isEmpty()) dialogs.dialogs.answers.push_back(hb::TSaveDialogAnswer{path.toStdString(), 1});
    w->SetColors(10, 20, 30);
    w->TB_SaveColorImage->trigger();

    QCOMPARE(dialogs.dialogs.requests.size(), std::size_t(1));
    const hb::TSaveDialogRequest& r = dialogs.dialogs.requests[0];
    QCOMPARE(QString::fromStdString(r.filter),
             QString::fromUtf8("ビットマップファイル(*.bmp)|*.bmp|JPEGファイル(*.jpg)|*.jpg"));
    QCOMPARE(r.filterIndex, 1);
    QCOMPARE(r.defaultExt, std::string("bmp"));
    QCOMPARE(r.options, unsigned(hb::ofOverwritePrompt | hb::ofPathMustExist | hb::ofNoReadOnlyReturn));

    if (box == "error") {
      QCOMPARE(Texts(boxes.boxes), QStringList{QString::fromUtf8("Huebrook: ") + path + QString::fromUtf8(" に書き込めません")});
      QCOMPARE(boxes.boxes.shown[0].type, hb::TMsgDlgType::mtError);
    } else {
      QCOMPARE(Texts(boxes.boxes), box.isEmpty() ? QStringList{} : QStringList{box});
    }
    if (!head.isEmpty()) QCOMPARE(Head(path, 2), head);
    // Nothing partial or temporary beside the files written.
    for (const QString& f : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
      QVERIFY2(!f.startsWith('.'), qPrintable(f));
    // The window still answers.
    w->SetColors(1, 2, 3);
    QCOMPARE(w->txtHex->text(), QStringLiteral("010203"));
  }

  // The picture is the big swatch's colour.
  void savedPictureIsTheCurrentColour() {
    hb::ScopedFileDialogs dialogs;
    hb::ScopedMessageBoxes boxes;
    const QString path = dir.filePath("current.bmp");
    dialogs.dialogs.answers.push_back(hb::TSaveDialogAnswer{path.toStdString(), 1});
    w->SetColors(17, 201, 99);
    w->TB_SaveColorImageClick(w->TB_SaveColorImage);
    QImage image(path);
    QCOMPARE(image.size(), QSize(240, 240));
    QCOMPARE(image.pixelColor(0, 0), QColor(17, 201, 99));
    QCOMPARE(image.pixelColor(239, 239), QColor(17, 201, 99));
  }

  // The real dialog, accepting a typed name: the filter's extension is added,
  // and a missing folder, a folder's name or a refused overwrite keep it open.
  void realDialogRules_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("answer");  // to the overwrite question, if asked
    QTest::addColumn<QString>("chosen");  // empty: stays open
    QTest::addColumn<QString>("asked");
    QTest::newRow("bmp filter adds .bmp") << "colour" << 1 << 0 << "colour.bmp" << "";
    QTest::newRow("jpeg filter adds .jpg") << "colour" << 2 << 0 << "colour.jpg" << "";
    QTest::newRow("own extension kept") << "colour.JPEG" << 1 << 0 << "colour.JPEG" << "";
    QTest::newRow("existing, replace") << "exists" << 1 << int(hb::mrYes) << "exists.bmp"
                                       << QString::fromUtf8("確認: exists.bmp は既に存在します。\n上書きしますか?");
    QTest::newRow("existing, keep") << "exists.bmp" << 2 << int(hb::mrNo) << ""
                                    << QString::fromUtf8("確認: exists.bmp は既に存在します。\n上書きしますか?");
    QTest::newRow("missing folder") << "nowhere/colour" << 1 << 0 << ""
                                    << QString::fromUtf8("警告: colour.bmp\nパスが存在しません。\nパスが正しいかどうかを確認してください。");
    QTest::newRow("folder name opens it") << "folder" << 1 << 0 << "" << "";
  }
  void realDialogRules() {
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(int, answer);
    QFETCH(QString, chosen);
    QFETCH(QString, asked);
    QDir(dir.path()).mkdir("folder");
    QFile exists(dir.filePath("exists.bmp"));
    QVERIFY(exists.open(QIODevice::WriteOnly));
    exists.close();
    hb::ScopedMessageBoxes boxes;
    if (answer) boxes.boxes.answers.push_back(answer);
    hb::TSaveDialogRequest request{"", "ビットマップファイル(*.bmp)|*.bmp|JPEGファイル(*.jpg)|*.jpg", filter, "bmp",
                                  dir.path().toStdString(), "",
                                  hb::ofOverwritePrompt | hb::ofPathMustExist | hb::ofNoReadOnlyReturn};
    hb::TSaveFileDialog dialog(nullptr, request);
    QCOMPARE(dialog.nameFilters(),
             (QStringList{QString::fromUtf8("ビットマップファイル(*.bmp)"), QString::fromUtf8("JPEGファイル(*.jpg)")}));
    QCOMPARE(dialog.ChosenFilterIndex(), filter);
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setText(typed);
    dialog.accept();
    QCOMPARE(Texts(boxes.boxes), asked.isEmpty() ? QStringList{} : QStringList{asked});
    if (chosen.isEmpty()) {
      QVERIFY(dialog.ChosenFile().empty());
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
    } else {
      QCOMPARE(QString::fromStdString(dialog.ChosenFile()), dir.filePath(chosen));
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    if (typed == "folder") QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(dir.filePath("folder")).canonicalPath());
  }
};

QTEST_MAIN(TestOutputCommands)
#include "tst_OutputCommands.moc"
