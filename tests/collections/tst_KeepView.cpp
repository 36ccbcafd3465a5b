// The keep view and the history view on the main window, offscreen: what the
// user sees after start-up, after each command, and what the close writes.
// The settings file is the one beside this test executable; the screen and
// the message boxes are fakes.

#include <QAction>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QtTest>

#include <fstream>
#include <sstream>

#include "FileBytes.h"
#include "app/frmMain.h"
#include "collections/KeepColorText.h"
#include "settings/AppPaths.h"
#include "platform/FakeScreen.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenCursor.h"
#include "support/PictureButton.h"

namespace {

using Colors = std::vector<std::uint32_t>;

std::string Fixture(const char* name) {
  return ReadBytes(std::string(HB_TEST_DATA_DIR "/keep/") + name);
}

std::uint32_t Value(const QColor& c) {
  return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
}

Colors Shown(const std::vector<TPictureButton*>& swatches) {
  Colors colors;
  for (const TPictureButton* s : swatches) colors.push_back(Value(s->Color()));
  return colors;
}

QString Hint(std::uint32_t v) {
  return QStringLiteral("R:%1 G:%2 B:%3").arg(v & 0xFF).arg(v >> 8 & 0xFF).arg(v >> 16 & 0xFF);
}

} // namespace

Q_DECLARE_METATYPE(Colors)

class TestKeepView : public QObject {
  Q_OBJECT

  std::string settings;
  hb::FakeScreen screen;
  std::unique_ptr<hb::ScopedScreen> screenGuard;

  // A started main window over the given settings file (none: no file).
  std::unique_ptr<TfrmMain> Start(const std::string* file) {
    QDir().rmdir(QString::fromStdString(settings));
    QFile::remove(QString::fromStdString(settings));
    if (file) std::ofstream(settings, std::ios::binary) << *file;
    auto w = std::make_unique<TfrmMain>();
    w->show();
    QCoreApplication::processEvents();
    return w;
  }

  // Closes as the user does; true when the window went away.
  bool Close(TfrmMain& w) {
    w.close();
    QCoreApplication::processEvents();
    return !w.isVisible();
  }

  // No swatch has more than a page of rows (100 rows of four) as siblings,
  // and pnlKeep holds no page below its last row.
  void CheckPages(TfrmMain& w) {
    const auto pages = w.pnlKeep->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(pages.size(), qsizetype((w.KeepButtons().size() + 399) / 400));
    for (const QWidget* page : pages) QVERIFY(page->children().size() <= 400);
    QCOMPARE(w.pnlKeep->findChildren<TPictureButton*>().size(), qsizetype(w.KeepButtons().size()));
  }

  void CheckSwatches(TfrmMain& w, const Colors& colors) {
    QCOMPARE(Shown(w.KeepButtons()), colors);
    for (std::size_t i = 0; i < colors.size(); ++i) {
      TPictureButton* s = w.KeepButtons()[i];
      // On pnlKeep (through a page of its rows), where pnlKeep says.
      QVERIFY(w.pnlKeep->isAncestorOf(s));
      QCOMPARE(s->size(), QSize(25, 25));
      QVERIFY(s->isVisibleTo(w.pnlKeep));
      QCOMPARE(s->InColor(), s->Color());
      QCOMPARE(s->Hint(), Hint(colors[i]));
      QCOMPARE(s->mapTo(w.pnlKeep, QPoint()), QPoint(int(i % 4) * 25, int(i / 4) * 25));
    }
    if (!colors.empty()) QCOMPARE(w.pnlKeep->height(), int((colors.size() + 3) / 4) * 25);
  }

 private slots:
  void initTestCase() {
    settings = hb::SettingsPathFor(hb::ExecutablePath());
    screen.image = QImage(1280, 1024, QImage::Format_RGB32);
    screen.image.fill(Qt::black);
    screenGuard = std::make_unique<hb::ScopedScreen>(screen);
  }
  void cleanupTestCase() {
    QFile::remove(QString::fromStdString(settings));
    screenGuard.reset();
  }
  void init() {
    screen.leftButton = false;
    screen.clicks.clear();
  }

  // ---- Start-up and close ----------------------------------------------------

  void startupThenClose_data() {
    QTest::addColumn<QString>("fixture");  // empty: no settings file
    QTest::addColumn<Colors>("shown");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("no file") << QString() << Colors{} << QByteArray("[Keep]\r\nCount=0\r\n");
    QTest::newRow("count 3, keys 0 and 1: third white")
        << "count3_two_keys.ini" << Colors{0x0080FF, 0x0080FF, 0xFFFFFF}
        << QByteArray("[Keep]\r\nCount=3\r\n0=0080FF\r\n1=0080FF\r\n2=FFFFFF\r\n");
    QTest::newRow("count 0 with keys: they stay")
        << "count0_five_keys.ini" << Colors{}
        << QByteArray("[Keep]\r\nCount=0\r\n0=111111\r\n1=222222\r\n2=333333\r\n3=444444\r\n4=555555\r\n");
    QTest::newRow("bad entries skipped")
        << "bad_entries.ini" << Colors{0x123456, 0x0A0A0A, 0xFFFFFF}
        << QByteArray("[Keep]\r\nCount=3\r\n0=123456\r\n1=0A0A0A\r\n2=FFFFFF\r\n3=GG0000\r\n4=" +
                      QByteArray("0A").repeated(50) + "\r\n5=\r\n6=00 0FF\r\n");
  }
  void startupThenClose() {
    QFETCH(QString, fixture);
    QFETCH(Colors, shown);
    QFETCH(QByteArray, written);
    const std::string bytes = fixture.isEmpty() ? std::string() : Fixture(fixture.toUtf8().constData());
    auto w = Start(fixture.isEmpty() ? nullptr : &bytes);
    CheckSwatches(*w, shown);
    QVERIFY(Close(*w));
    QCOMPARE(QByteArray::fromStdString(ReadBytes(settings)), written);
    // Freed at close.
    QVERIFY(w->KeepButtons().empty());
    QVERIFY(w->pnlKeep->findChildren<TPictureButton*>().isEmpty());
  }

  void addTwiceAndLayout() {
    auto w = Start(nullptr);
    w->SetColors(255, 128, 0);
    QTest::mouseClick(w->btnKeepAdd, Qt::LeftButton);
    QTest::mouseClick(w->btnKeepAdd, Qt::LeftButton);
    w->SetColors(0, 0, 255);
    for (int i = 0; i < 3; ++i) QTest::mouseClick(w->btnKeepAdd, Qt::LeftButton);
    // Five: four in the first row, the fifth at the start of the second.
    CheckSwatches(*w, {0x0080FF, 0x0080FF, 0xFF0000, 0xFF0000, 0xFF0000});
    QCOMPARE(w->KeepButtons()[4]->mapTo(w->pnlKeep, QPoint()), QPoint(0, 25));
    QCOMPARE(w->pnlKeep->height(), 50);
    QCOMPARE(w->KeepColors(), (Colors{0x0080FF, 0x0080FF, 0xFF0000, 0xFF0000, 0xFF0000}));
    QVERIFY(Close(*w));
    QCOMPARE(ReadBytes(settings),
             std::string("[Keep]\r\nCount=5\r\n0=0080FF\r\n1=0080FF\r\n2=FF0000\r\n3=FF0000\r\n4=FF0000\r\n"));
  }

  void swatchClickMakesCurrent() {
    const std::string file = Fixture("four_kept.ini");
    auto w = Start(&file);
    QTest::mouseClick(w->KeepButtons()[2], Qt::LeftButton);
    QCOMPARE(w->cmdColorView->Color(), QColor(0, 0, 255));
    QVERIFY(w->KeepButtons()[2]->isEnabled());
  }

  // ---- Context menu and deletion --------------------------------------------------

  void rightReleaseThenDelete_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<Colors>("left");
    // Swatches 0 and 2 have one colour: only the targeted control goes.
    QTest::newRow("second of the twins") << 2 << Colors{0x0000FF, 0x00FF00, 0xFF0000};
    QTest::newRow("first of the twins") << 0 << Colors{0x00FF00, 0x0000FF, 0xFF0000};
    QTest::newRow("last") << 3 << Colors{0x0000FF, 0x00FF00, 0x0000FF};
  }
  void rightReleaseThenDelete() {
    QFETCH(int, target);
    QFETCH(Colors, left);
    auto w = Start(nullptr);
    for (const char* text : {"0000FF", "00FF00", "0000FF", "FF0000"}) w->AddKeepColor(text);
    w->SetColors(10, 20, 30);
    TPictureButton* swatch = w->KeepButtons()[std::size_t(target)];
    const QPoint at(7, 9);
    screen.cursor = screen.WidgetToDevice(swatch, QRect(at, QSize(1, 1))).topLeft();
    QTest::mousePress(swatch, Qt::RightButton, {}, at);
    QTest::mouseRelease(swatch, Qt::RightButton, {}, at);

    // First the swatch's colour became current, by a left click where the pointer is ...
    QCOMPARE(screen.clicks.size(), std::size_t(1));
    QCOMPARE(screen.clicks[0], screen.cursor);
    QCOMPARE(w->cmdColorView->Color(), swatch->Color());
    // ... then the menu offers that swatch's deletion.
    QCOMPARE(w->tbKeepClear->text(), swatch->Hint() + QStringLiteral(" の削除"));
    QCOMPARE(w->KeepTarget(), swatch);
    QTRY_VERIFY(w->popupKeep->isVisible());
    w->popupKeep->hide();

    w->tbKeepClear->trigger();
    CheckSwatches(*w, left);
    QVERIFY(w->KeepTarget() == nullptr);
    QVERIFY(w->scbKeepWork->isVisible());
    QVERIFY(!w->StatusProgressBar1->isVisible());
  }

  // Where no click can be synthesised (no XTest, Qt on Wayland) the swatch's
  // own click makes its colour current before the menu opens.
  void rightReleaseWithoutSynthesisedClick() {
    auto w = Start(nullptr);
    w->AddKeepColor("0000FF");
    w->SetColors(10, 20, 30);
    screen.canClick = false;
    QTest::mouseClick(w->KeepButtons()[0], Qt::RightButton, {}, QPoint(3, 3));
    screen.canClick = true;
    QVERIFY(screen.clicks.empty());
    QCOMPARE(w->cmdColorView->Color(), QColor(255, 0, 0));
    QTRY_VERIFY(w->popupKeep->isVisible());
    w->popupKeep->hide();
  }

  void otherButtonsOpenNoMenu() {
    auto w = Start(nullptr);
    w->AddKeepColor("0080FF");
    TPictureButton* swatch = w->KeepButtons()[0];
    QTest::mouseClick(swatch, Qt::MiddleButton);
    QTest::mouseClick(swatch, Qt::LeftButton);
    QVERIFY(screen.clicks.empty());
    QVERIFY(!w->popupKeep->isVisible());
    QVERIFY(w->KeepTarget() == nullptr);
  }

  void deleteSecondOfFourThenClose() {
    const std::string file = Fixture("four_kept.ini");
    auto w = Start(&file);
    TPictureButton* second = w->KeepButtons()[1];
    screen.cursor = screen.WidgetToDevice(second, QRect(3, 3, 1, 1)).topLeft();
    QTest::mouseClick(second, Qt::RightButton, {}, QPoint(3, 3));
    w->popupKeep->hide();
    w->tbKeepClear->trigger();
    QVERIFY(Close(*w));
    QCOMPARE(ReadBytes(settings),
             std::string("; colours set aside for the shop's site\r\n[Window]\r\nLeft=120\r\nTop=80\r\n\r\n"
                         "[Keep]\r\nCount=3\r\n0=0000FF\r\n1=FF0000\r\n2=FFFFFF\r\n3=FFFFFF\r\nNote=keep me\r\n\r\n"
                         "[Other]\r\n0=ABCDEF\r\n"));
  }

  void deleteTheOnlyOne() {
    auto w = Start(nullptr);
    w->AddKeepColor("0080FF");
    TPictureButton* only = w->KeepButtons()[0];
    screen.cursor = screen.WidgetToDevice(only, QRect(3, 3, 1, 1)).topLeft();
    QTest::mouseClick(only, Qt::RightButton, {}, QPoint(3, 3));
    w->popupKeep->hide();
    w->tbKeepClear->trigger();
    QVERIFY(w->KeepButtons().empty());
    // Then a new colour starts the grid again.
    w->AddKeepColor("FF0000");
    CheckSwatches(*w, {0xFF0000});
  }

  // Long lists lie on pages of rows inside pnlKeep: a delete moves swatches
  // across the pages' edges (400 swatches a page at four a row), and a page
  // left empty goes.
  void deleteInALongList_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("target");
    QTest::newRow("first of 803: every page shifts") << 803 << 0;
    QTest::newRow("last of the first page") << 803 << 399;
    QTest::newRow("first of the second page") << 803 << 400;
    QTest::newRow("last page left empty") << 801 << 17;
    QTest::newRow("the only one on the last page") << 801 << 800;
  }
  void deleteInALongList() {
    QFETCH(int, count);
    QFETCH(int, target);
    auto w = Start(nullptr);
    Colors colors;
    for (int i = 0; i < count; ++i) {
      colors.push_back(std::uint32_t(i) * 0x010203u & 0xFFFFFFu);
      w->AddKeepColor(hb::KeepColorText(colors.back()));
    }
    CheckSwatches(*w, colors);
    CheckPages(*w);

    QPointer<TPictureButton> gone(w->KeepButtons()[std::size_t(target)]);
    screen.cursor = screen.WidgetToDevice(gone, QRect(3, 3, 1, 1)).topLeft();
    QTest::mouseClick(gone, Qt::RightButton, {}, QPoint(3, 3));
    w->popupKeep->hide();
    w->tbKeepClear->trigger();
    QVERIFY(gone.isNull());
    colors.erase(colors.begin() + target);
    CheckSwatches(*w, colors);
    CheckPages(*w);

    // An add after it goes to the cell after the new last swatch.
    w->AddKeepColor("0080FF");
    colors.push_back(0x0080FF);
    CheckSwatches(*w, colors);
    CheckPages(*w);
    QVERIFY(Close(*w));
    QCOMPARE(IniCount(), int(colors.size()));
  }

  // ---- Clear ---------------------------------------------------------------------

  void clearAsks_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<Colors>("left");
    QTest::newRow("cancel") << int(hb::mrCancel) << Colors{0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
    QTest::newRow("ok") << int(hb::mrOk) << Colors{};
  }
  void clearAsks() {
    QFETCH(int, answer);
    QFETCH(Colors, left);
    const std::string file = Fixture("four_kept.ini");
    auto w = Start(&file);
    hb::ScopedMessageBoxes boxes;
    boxes.boxes.answers.push_back(answer);
    QTest::mouseClick(w->btnKeepClear, Qt::LeftButton);
    QCOMPARE(boxes.boxes.shown.size(), std::size_t(1));
    const hb::TMessageRequest& asked = boxes.boxes.shown[0];
    QCOMPARE(asked.text, std::string("キープデータを全クリアします\nよろしいですか？"));
    QCOMPARE(asked.caption, std::string("確認"));
    QCOMPARE(asked.buttons, hb::TMsgDlgButtons(hb::mbOK | hb::mbCancel));
    CheckSwatches(*w, left);
    QVERIFY(w->pnlKeep->isVisible());
    if (left.empty()) QCOMPARE(w->pnlKeep->size(), w->scbKeepWork->maximumViewportSize());
    QVERIFY(Close(*w));
    QCOMPARE(IniCount(), int(left.size()));
  }

  // ---- A close that cannot write ---------------------------------------------------

  void closeThatCannotWrite_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("stay open") << int(hb::mrNo);
    QTest::newRow("close without saving") << int(hb::mrYes);
  }
  void closeThatCannotWrite() {
    QFETCH(int, answer);
    auto w = Start(nullptr);
    w->AddKeepColor("0080FF");
    w->AddKeepColor("FF0000");
    // A folder where the settings file should be: nothing can replace it.
    QVERIFY(QDir().mkdir(QString::fromStdString(settings)));
    hb::ScopedMessageBoxes boxes;
    boxes.boxes.answers = {hb::mrOk, answer};
    const bool closed = Close(*w);
    QDir().rmdir(QString::fromStdString(settings));

    QCOMPARE(boxes.boxes.shown.size(), std::size_t(2));
    QCOMPARE(boxes.boxes.shown[0].type, hb::TMsgDlgType::mtError);
    QCOMPARE(boxes.boxes.shown[0].text, settings + " に書き込めません");
    QCOMPARE(boxes.boxes.shown[1].text, std::string("キープデータを保存せずに終了しますか？"));
    QCOMPARE(boxes.boxes.shown[1].caption, std::string("確認"));
    QCOMPARE(boxes.boxes.shown[1].buttons, hb::TMsgDlgButtons(hb::mbYes | hb::mbNo));
    QCOMPARE(closed, answer == hb::mrYes);
    QCOMPARE(hb::CurrentScreenCursor(), int(hb::crDefault));
    if (!closed) {
      // Usable, with the keep list intact and on view; a later close writes it.
      QVERIFY(w->pnlKeep->isVisible());
      CheckSwatches(*w, {0x0080FF, 0xFF0000});
      QTest::mouseClick(w->btnKeepAdd, Qt::LeftButton);
      QVERIFY(Close(*w));
      QCOMPARE(IniCount(), 3);
    }
  }

  // ---- History ------------------------------------------------------------------------

  void historyStartsWithTheStartColour() {
    auto w = Start(nullptr);
    QVERIFY(w->HistoryButtons().empty());
    QVERIFY(w->timHistory->Enabled());
    QCOMPARE(w->timHistory->Interval(), 100);
    // The first tick records white; the timer is armed again after the tick.
    QTRY_COMPARE_WITH_TIMEOUT(w->HistoryButtons().size(), std::size_t(1), 2000);
    QCOMPARE(Shown(w->HistoryButtons()), Colors{0xFFFFFF});
    QVERIFY(w->timHistory->Enabled());
  }

  void history_data() {
    QTest::addColumn<Colors>("set");
    QTest::addColumn<Colors>("held");
    QTest::newRow("same colour three times") << Colors{0x0000FF, 0x0000FF, 0x0000FF} << Colors{0x0000FF};
    QTest::newRow("red blue red") << Colors{0x0000FF, 0xFF0000, 0x0000FF} << Colors{0x0000FF, 0xFF0000, 0x0000FF};
    Colors many, last32;
    for (std::uint32_t i = 1; i <= 33; ++i) many.push_back(i * 0x070503);
    last32.assign(many.begin() + 1, many.end());
    QTest::newRow("33 colours") << many << last32;
  }
  void history() {
    QFETCH(Colors, set);
    QFETCH(Colors, held);
    auto w = Start(nullptr);
    w->timHistory->SetEnabled(false);
    QVERIFY(w->HistoryButtons().empty());
    std::vector<TPictureButton*> first;
    for (std::uint32_t c : set) {
      w->SetColors(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
      w->timHistoryTimer(w->timHistory);
      if (w->HistoryButtons().size() == 32 && first.empty()) first = w->HistoryButtons();
    }
    QCOMPARE(Shown(w->HistoryButtons()), held);
    for (std::size_t i = 0; i < held.size(); ++i) {
      TPictureButton* s = w->HistoryButtons()[i];
      QCOMPARE(s->parentWidget(), w->pnlHistory);
      QCOMPARE(s->pos(), QPoint(int(i % 4) * 25, int(i / 4) * 25));
      QCOMPARE(s->Hint(), Hint(held[i]));
      QCOMPARE(s->InColor(), s->Color());
    }
    // When full, the swatches stay and the colours move.
    if (!first.empty()) QCOMPARE(w->HistoryButtons(), first);
    // The history view keeps its size.
    QCOMPARE(w->pnlHistory->size(), QSize(121, 196));
  }

  // Typed text is recorded as the window takes it: each number a spin edit
  // holds at a tick, a hex code only once its button applies it.
  void historyOfTypedText_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("apply");
    QTest::addColumn<Colors>("held");
    QTest::newRow("255 typed slowly into SpnRed") << "SpnRed" << "255" << false
                                                 << Colors{0x000000, 0x000002, 0x000019, 0x0000FF};
    QTest::newRow("hex code typed") << "txtHex" << "ff8000" << false << Colors{0x000000};
    QTest::newRow("hex code applied") << "txtHex" << "ff8000" << true << Colors{0x000000, 0x0080FF};
  }
  void historyOfTypedText() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    auto w = Start(nullptr);
    w->timHistory->SetEnabled(false);
    w->SetColors(0, 0, 0);
    w->timHistoryTimer(w->timHistory);
    QWidget* typed = field == "SpnRed" ? static_cast<QWidget*>(w->SpnRed->Edit()) : w->txtHex;
    QTest::keyClick(typed, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text) {
      QTest::keyClick(typed, c.toLatin1());
      w->timHistoryTimer(w->timHistory);
    }
    QFETCH(bool, apply);
    if (apply) QTest::mouseClick(w->cmdSetHex, Qt::LeftButton);
    w->timHistoryTimer(w->timHistory);
    QTEST(Shown(w->HistoryButtons()), "held");
  }

  void nothingWhileTheButtonIsHeld() {
    auto w = Start(nullptr);
    w->timHistory->SetEnabled(false);
    w->timHistoryTimer(w->timHistory);
    screen.leftButton = true;  // anywhere on the screen, not over this window
    w->SetColors(0, 0, 255);
    w->timHistoryTimer(w->timHistory);
    w->SetColors(0, 255, 0);
    w->timHistoryTimer(w->timHistory);
    QCOMPARE(Shown(w->HistoryButtons()), Colors{0xFFFFFF});
    QVERIFY(w->timHistory->Enabled());
    screen.leftButton = false;
    w->timHistoryTimer(w->timHistory);
    w->timHistoryTimer(w->timHistory);
    QCOMPARE(Shown(w->HistoryButtons()), (Colors{0xFFFFFF, 0x00FF00}));
  }

  void historySwatchClick() {
    auto w = Start(nullptr);
    w->timHistory->SetEnabled(false);
    for (std::uint32_t c : {0x0000FFu, 0x00FF00u}) {
      w->SetColors(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
      w->RecordHistory();
    }
    QTest::mouseClick(w->HistoryButtons()[0], Qt::LeftButton);
    QCOMPARE(w->cmdColorView->Color(), QColor(255, 0, 0));
    w->RecordHistory();
    QCOMPARE(Shown(w->HistoryButtons()), (Colors{0x0000FF, 0x00FF00, 0x0000FF}));
    // No context menu on a history swatch.
    QTest::mouseClick(w->HistoryButtons()[1], Qt::RightButton);
    QVERIFY(screen.clicks.empty());
    QVERIFY(w->KeepTarget() == nullptr);
  }

 private:
  int IniCount() {
    const std::string bytes = ReadBytes(settings);
    const auto at = bytes.find("Count=");
    return at == std::string::npos ? -1 : std::atoi(bytes.c_str() + at + 6);
  }
};

QTEST_MAIN(TestKeepView)
#include "tst_KeepView.moc"
