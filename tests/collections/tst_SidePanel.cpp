// The side panel offscreen: swatches as every view sets them up, a click on
// one making its colour current, the palettes found beside the program, the
// switching between views, the palette view's rows, and the mouse wheel.
//
// The window is started with fixture palettes written beside this test's
// executable (where the start-up search looks), next to the shipped ones that
// the build generates there; the fixtures are removed at the end.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>
#include <fstream>
#include <set>

#include "FileBytes.h"
#include "app/frmMain.h"
#include "collections/PaletteFile.h"
#include "platform/ScreenCursor.h"
#include "support/FindFile.h"

namespace {

QString Beside(const QString& name) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name; }

// n colours named by their number, red counting up.
std::string Numbered(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "[" + std::to_string(i) + "]\nR=" + std::to_string(i) + "\n";
  return s;
}

std::string Twenty() {
  std::string s;
  for (int i = 0; i < 20; ++i)
    s += "[Colour " + std::to_string(i) + "]\r\nR=" + std::to_string(i * 10) + "\r\nG=" + std::to_string(200 - i) +
         "\r\nB=7\r\n";
  return s;
}

// File name, content. ".hb", the one in a sub-folder and the non-matching
// names are never listed.
const std::vector<std::pair<QString, std::string>> kFixtures = {
    {"Twenty.hb", Twenty()},
    {"Odd.hb", "[Odd colour]\nR=300\nG=-1\nB=0\n[Black]\n"},
    {"Huge.hb", Numbered(10001)},
    {"Empty.hb", "no sections here\njust=text\n"},
    {"garbage.hb", std::string("\x00\xff\xfe[\x81\x5c\x00]=\n\x1b", 12)},
    {"Dup.HB", "[Upper]\nR=1\n"},
    {"Dup.hb", "[lower1]\nR=2\n[lower2]\nR=3\n"},
    {".hb", "[Hidden]\nR=4\n"},
    {"x.hbx", "[X]\n"},
    {"notes.txt", "[Notes]\n"},
    {"sub/Inside.hb", "[Inside]\n"},
};

const QStringList kListed = {"【キープデータ】", "【履歴データ】", "CSSカラー名", "Dup", "Dup", "Empty", "garbage",
                             "Huge", "Odd", "Twenty", "Webセーフカラー", "Windows", "日本の伝統色"};

} // namespace

class TestSidePanel : public QObject {
  Q_OBJECT

  TfrmMain* w = nullptr;
  std::vector<std::string> statusTexts;

  QColor Current() const { return QColor(w->SpnRed->Value(), w->SpnGreen->Value(), w->SpnBlue->Value()); }

  // Chooses an item as the user does, the event loop running before and after.
  void Choose(int index) {
    QCoreApplication::processEvents();
    w->cmbPalletSelect->setCurrentIndex(index);
    emit w->cmbPalletSelect->activated(index);
    QCoreApplication::processEvents();
  }
  void Choose(const QString& name) { Choose(int(kListed.indexOf(name))); }

  QStringList LabelTexts() const {
    QStringList texts;
    for (QLabel* label : w->PalletLabels()) texts << label->text();
    return texts;
  }

  // A turn of the wheel by delta eighths of a degree, with the pointer at
  // local in over, delivered to the window as the system delivers it.
  void Wheel(QWidget* over, QPoint local, int delta) {
    const QPoint global = over->mapToGlobal(local);
    QWheelEvent event(QPointF(w->mapFromGlobal(global)), QPointF(global), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->windowHandle(), &event);
  }

 private slots:
  void initTestCase() {
    for (const auto& [name, content] : kFixtures) {
      if (name.contains(QLatin1Char('/'))) QVERIFY(QDir().mkpath(Beside(name.section('/', 0, 0))));
      WriteBytes(Beside(name), content);
    }
    QVERIFY(QFile::copy(QStringLiteral(HB_TEST_DATA_DIR "/windows_cp932.hb"), Beside("Windows.hb")) ||
            QFileInfo::exists(Beside("Windows.hb")));
    w = new TfrmMain;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
  }

  void cleanupTestCase() {
    delete w;
    for (const auto& [name, content] : kFixtures) QFile::remove(Beside(name));
    QFile::remove(Beside("Windows.hb"));
    QDir().rmdir(Beside("sub"));
  }

  void searchIsSetUpAsTheFormStoresIt() {
    QCOMPARE(w->FindFile1->FileMask, (std::vector<std::string>{"*.hb", "*.gpl"}));
    QVERIFY(!w->FindFile1->IsFindSub);
    QCOMPARE(QString::fromStdString(w->FindFile1->FolderName) , QCoreApplication::applicationDirPath() + "/");
  }

  void selectorListsPalettesInNameOrder() {
    QStringList items;
    for (int i = 0; i < w->cmbPalletSelect->count(); ++i) items << w->cmbPalletSelect->itemText(i);
    QCOMPARE(items, kListed);
    QCOMPARE(w->PalletList().size(), std::size_t(kListed.size() - 2));
    // At start the keep view shows, item 0 chosen.
    QCOMPARE(w->cmbPalletSelect->currentIndex(), 0);
    QVERIFY(w->pnlKeepBase->isVisible());
    QVERIFY(!w->scbPalletWork->isVisible());
    QVERIFY(!w->scbHistoryWork->isVisible());
  }

  void shippedPalettes() {
    auto find = [&](const char* name) -> const TPalletData& {
      for (const TPalletData& p : w->PalletList())
        if (p.Name == name) return p;
      qFatal("palette %s missing", name);
    };
    const TPalletData& css = find("CSSカラー名");
    QCOMPARE(css.Items.size(), std::size_t(148));
    std::map<std::string, QColor> named;
    for (const TItemData& i : css.Items) named[i.Name] = QColor(i.R, i.G, i.B);
    QCOMPARE(named["rebeccapurple"], QColor(0x66, 0x33, 0x99));
    QCOMPARE(named["darkgrey"], named["darkgray"]);
    QCOMPARE(named["lightslategrey"], QColor(0x77, 0x88, 0x99));
    QCOMPARE(named["aqua"], named["cyan"]);
    QVERIFY(!named.count("transparent"));

    const TPalletData& web = find("Webセーフカラー");
    QCOMPARE(web.Items.size(), std::size_t(216));
    std::set<std::tuple<int, int, int>> distinct;
    for (const TItemData& i : web.Items) {
      QVERIFY(i.R % 51 == 0 && i.G % 51 == 0 && i.B % 51 == 0);
      QCOMPARE(QString::fromStdString(i.Name), QColor(i.R, i.G, i.B).name().mid(1).toUpper());
      distinct.insert({i.R, i.G, i.B});
    }
    QCOMPARE(distinct.size(), std::size_t(216));

    const TPalletData& nippon = find("日本の伝統色");
    QVERIFY(nippon.Items.size() >= 100);
    QCOMPARE(nippon.Items.front().Name, std::string("撫子"));
    QCOMPARE(QColor(nippon.Items.front().R, nippon.Items.front().G, nippon.Items.front().B), QColor(0xDC, 0x9F, 0xB4));
  }

  void twentyItemsShowTwentyRows() {
    Choose("Twenty");
    QVERIFY(w->scbPalletWork->isVisible());
    QVERIFY(!w->pnlKeepBase->isVisible());
    QVERIFY(w->cmbPalletSelect->isEnabled());
    QCOMPARE(w->PalletButtons().size(), std::size_t(20));
    QCOMPARE(w->PalletLabels().size(), std::size_t(20));
    for (int row = 0; row < 20; ++row) {
      TPictureButton* swatch = w->PalletButtons()[row];
      QLabel* label = w->PalletLabels()[row];
      QCOMPARE(swatch->mapTo(w->pnlPallet, QPoint(0, 0)), QPoint(0, row * 25));
      QCOMPARE(swatch->Color(), QColor(row * 10, 200 - row, 7));
      QCOMPARE(label->mapTo(w->pnlPallet, QPoint(0, 0)), QPoint(27, row * 25 + (25 - label->height()) / 2));
      QCOMPARE(label->text(), QStringLiteral("Colour %1").arg(row));
      QCOMPARE(swatch->Hint(), QStringLiteral("R:%1 G:%2 B:7 Colour %3").arg(row * 10).arg(200 - row).arg(row));
    }
    QCOMPARE(w->PalletButtons().back()->mapTo(w->pnlPallet, QPoint(0, 0)).y(), 475);
    QCOMPARE(w->pnlPallet->height(), 500);
    QVERIFY(w->scbPalletWork->verticalScrollBar()->maximum() > 0);
    // The rebuild's progress bar and hourglass are gone again.
    QVERIFY(!w->StatusProgressBar1->isVisible());
    QCOMPARE(hb::CurrentScreenCursor(), int(hb::crDefault));
  }

  void choosingAgainRebuilds() {
    Choose("Twenty");
    TPictureButton* first = w->PalletButtons().front();
    QPointer<TPictureButton> guard(first);
    Choose("Odd");
    Choose("Twenty");
    Choose("Twenty");
    QVERIFY(guard.isNull());
    QCOMPARE(w->pnlPallet->findChildren<TPictureButton*>().size(), 20);
    QCOMPARE(w->pnlPallet->findChildren<QLabel*>().size(), 20);
  }

  void paletteViews_data() {
    QTest::addColumn<QString>("palette");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("panelHeight");
    QTest::newRow("no sections") << "Empty" << QStringList{} << 25;
    QTest::newRow("binary garbage") << "garbage" << QStringList{} << 25;
    QTest::newRow("odd values") << "Odd" << QStringList{"Odd colour", "Black"} << 50;
    QTest::newRow("CP932 from Windows") << "Windows" << QStringList{"空色", "ア", "ヂ", "ゾ", "表示"} << 125;
    // Two files giving one name: each item shows its own file.
    QTest::newRow("first Dup") << "Dup" << QStringList{"Upper"} << 25;
  }

  void paletteViews() {
    QFETCH(QString, palette);
    QFETCH(QStringList, labels);
    QFETCH(int, panelHeight);
    Choose(palette);
    QCOMPARE(LabelTexts(), labels);
    QCOMPARE(w->pnlPallet->height(), panelHeight);
    QCOMPARE(w->pnlPallet->findChildren<TPictureButton*>().size(), labels.size());
  }

  void secondOfTwoEqualNames() {
    Choose(int(kListed.indexOf("Dup")) + 1);
    QCOMPARE(LabelTexts(), (QStringList{"lower1", "lower2"}));
  }

  void lowEightBitsMakeTheColour() {
    Choose("Odd");
    QCOMPARE(w->PalletButtons()[0]->Color(), QColor(44, 255, 0));
    QCOMPARE(w->PalletButtons()[0]->Hint(), QStringLiteral("R:44 G:255 B:0 Odd colour"));
    QCOMPARE(w->PalletButtons()[1]->Color(), QColor(0, 0, 0));
  }

  void largePaletteShowsItsFirstTenThousand() {
    w->SetColors(1, 2, 3);
    Choose("Huge");
    QCOMPARE(w->StatusBar1->PanelText(0), QString::fromUtf8("先頭10000色を表示(全10001色)"));
    QCOMPARE(w->PalletButtons().size(), std::size_t(10000));
    QCOMPARE(w->PalletLabels().size(), std::size_t(10000));
    QCOMPARE(w->pnlPallet->height(), 250000);
    for (int row : {0, 99, 100, 101, 4321, 9999}) {
      QCOMPARE(w->PalletButtons()[row]->mapTo(w->pnlPallet, QPoint(0, 0)), QPoint(0, row * 25));
      QCOMPARE(w->PalletLabels()[row]->mapTo(w->pnlPallet, QPoint(0, 0)).x(), 27);
      QCOMPARE(w->PalletLabels()[row]->text(), QString::number(row));
      QCOMPARE(w->PalletButtons()[row]->Color().red(), row & 0xFF);
    }
    // Labels are clipped by the panel, not by anything narrower.
    QCOMPARE(w->PalletLabels()[9999]->parentWidget()->width(), w->pnlPallet->width());
    Choose("Odd");
    QCOMPARE(w->pnlPallet->findChildren<QWidget*>().size(), 2 * 2 + 1);
    QCOMPARE(w->StatusBar1->PanelText(0), QString());
  }

  void unknownNameLeavesViewEmpty() {
    Choose("Twenty");
    w->ShowPallet("twenty");  // names are compared with case
    QVERIFY(w->PalletButtons().empty());
    QCOMPARE(w->pnlPallet->height(), 25);
  }

  void paletteSwatchClick() {
    Choose("Twenty");
    w->SetColors(255, 255, 255);
    TPictureButton* swatch = w->PalletButtons()[3];
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(Current(), QColor(30, 197, 7));
    QVERIFY(swatch->isEnabled());
    QCOMPARE(swatch->Color(), QColor(30, 197, 7));
  }

  void viewsSwitch() {
    Choose("Twenty");
    Choose(1);
    QVERIFY(w->scbHistoryWork->isVisible());
    QVERIFY(!w->scbPalletWork->isVisible());
    QVERIFY(!w->scbKeepWork->isVisible());
    Choose(0);
    QVERIFY(w->pnlKeepBase->isVisible());
    QVERIFY(w->scbKeepWork->isVisible());
    QVERIFY(!w->scbHistoryWork->isVisible());
    QVERIFY(!w->scbPalletWork->isVisible());
    // The palette view lives on, hidden, until the next palette is chosen.
    QCOMPARE(w->PalletButtons().size(), std::size_t(20));
  }

  void closingFreesThePaletteView() {
    Choose("Twenty");
    QPointer<TPictureButton> swatch(w->PalletButtons().front());
    QPointer<QLabel> label(w->PalletLabels().back());
    w->FreePaletteView();
    QVERIFY(swatch.isNull());
    QVERIFY(label.isNull());
    QVERIFY(w->PalletButtons().empty());
    QVERIFY(w->PalletLabels().empty());
    QVERIFY(w->pnlPallet->findChildren<QWidget*>().isEmpty());
  }

  void wheel_data() {
    QTest::addColumn<int>("view");  // 0 keep, 1 history, 2 palette
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<int>("scrolled");
    QTest::newRow("keep: one notch down") << 0 << QList<int>{-120} << 12;
    QTest::newRow("keep: three down, one up") << 0 << QList<int>{-120, -120, -120, 120} << 24;
    QTest::newRow("keep: quarter notches") << 0 << QList<int>{-30, -30, -30} << 0;
    QTest::newRow("keep: four quarters") << 0 << QList<int>{-30, -30, -30, -30} << 12;
    QTest::newRow("keep: back and forth") << 0 << QList<int>{-60, 60, -60, 60} << 0;
    QTest::newRow("keep: half, back, one") << 0 << QList<int>{-60, 120, -120} << 12;
    QTest::newRow("keep: two notches at once") << 0 << QList<int>{-240} << 24;
    QTest::newRow("palette: one notch down") << 2 << QList<int>{-120} << 17;
    QTest::newRow("palette: two down, one up") << 2 << QList<int>{-120, -120, 120} << 17;
    QTest::newRow("palette: up at the top") << 2 << QList<int>{120} << 0;
    QTest::newRow("history: never") << 1 << QList<int>{-120, -120} << 0;
  }

  void wheel() {
    QFETCH(int, view);
    QFETCH(QList<int>, deltas);
    QFETCH(int, scrolled);
    // Tall enough to scroll in each view.
    w->pnlKeep->resize(w->pnlKeep->width(), 1000);
    w->pnlHistory->resize(w->pnlHistory->width(), 1000);
    Choose(view == 2 ? int(kListed.indexOf("Twenty")) : view);
    QScrollArea* box = view == 0 ? w->scbKeepWork : view == 1 ? w->scbHistoryWork : w->scbPalletWork;
    box->verticalScrollBar()->setValue(0);
    // A small turn the other way first: turning back drops whatever part of a
    // notch earlier rows left.
    Wheel(w->cmdColorView, QPoint(5, 5), deltas.front() < 0 ? 1 : -1);
    for (int delta : deltas) Wheel(box, box->rect().center(), delta);
    QCOMPARE(box->verticalScrollBar()->value(), scrolled);
    // Outside the box the same turns move nothing.
    box->verticalScrollBar()->setValue(0);
    for (int delta : deltas) Wheel(w->cmdColorView, QPoint(100, 100), delta);
    QCOMPARE(box->verticalScrollBar()->value(), 0);
  }
};

QTEST_MAIN(TestSidePanel)
#include "tst_SidePanel.moc"
