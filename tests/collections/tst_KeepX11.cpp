// The built program on a real X server, run from a copied folder: two colours
// kept through the real buttons are in the settings file after the close and
// on view again after a restart. A right-button release on a kept swatch makes
// its colour current through a synthesised click and opens the menu.

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>


#include "FileBytes.h"
#include "XProgram.h"
#include "app/frmMain.h"
#include "platform/MessageBoxes.h"

using namespace xprogram;

class TestKeepX11 : public QObject {
  Q_OBJECT

  Hand hand;
  QTemporaryDir folder;
  QString program;
  // Where things are inside the main window, taken from the same layout code.
  QPoint add, hex, load, swatchView, kept[2], status;

  QPoint In(QWidget* widget, QPoint at, TfrmMain& w) { return widget->mapTo(&w, at); }

  // Types a colour into the hexadecimal field, loads it and waits until the
  // big swatch shows it.
  bool SetHex(QPoint origin, const char* digits, const QColor& expected) {
    Click(hand, origin + hex);
    Key(hand.d, XK_a, true);
    Type(hand.d, digits);
    Click(hand, origin + load);
    return WaitFor([&] { return PixelAt(hand.d, origin + swatchView) == expected; });
  }

  bool Start(QProcess& process, Window* window) {
    process.start(program, {});
    if (!process.waitForStarted()) return false;
    *window = WaitForMainWindow(hand.d, 20000).id;
    return *window != 0;
  }

 private slots:
  void initTestCase() {
    QVERIFY2(hand.d, "no X display: run under xvfb-run");
    program = folder.filePath(QStringLiteral("huebrook"));
    QVERIFY(QFile::copy(QStringLiteral(HB_EXECUTABLE), program));
    QFile::copy(QFileInfo(QStringLiteral(HB_EXECUTABLE)).dir().filePath(QStringLiteral("help.htm")),
                folder.filePath(QStringLiteral("help.htm")));

    // The same window, never put on the screen, tells where its controls are.
    hb::ScopedMessageBoxes quiet;
    TfrmMain w;
    w.setAttribute(Qt::WA_DontShowOnScreen);
    w.show();
    QCoreApplication::processEvents();
    add = In(w.btnKeepAdd, w.btnKeepAdd->rect().center(), w);
    hex = In(w.txtHex, w.txtHex->rect().center(), w);
    load = In(w.cmdSetHex, w.cmdSetHex->rect().center(), w);
    swatchView = In(w.cmdColorView, QPoint(120, 60), w);  // above the scheme swatches
    kept[0] = In(w.pnlKeep, QPoint(12, 12), w);
    kept[1] = In(w.pnlKeep, QPoint(37, 12), w);
    w.close();
  }

  void keptColoursSurviveARestart() {
    const QString settings = program + QStringLiteral(".ini");
    const QColor orange(255, 128, 0), azure(0, 128, 255);
    QProcess first;
    Window window = 0;
    QVERIFY(Start(first, &window));
    QPoint origin = Origin(hand.d, window);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + swatchView) == QColor(Qt::white); }));

    QVERIFY(SetHex(origin, "ff8000", orange));
    Click(hand, origin + add);
    QVERIFY(SetHex(origin, "0080ff", azure));
    Click(hand, origin + add);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + kept[1]) == azure; }));
    QCOMPARE(PixelAt(hand.d, origin + kept[0]), orange);

    // A right-button release on the orange swatch: it becomes current, and
    // the menu opens (Escape dismisses it).
    hand.MoveTo(origin + kept[0]);
    hand.Button(3, true);
    hand.Button(3, false);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + swatchView) == orange; }));
    QVERIFY(WaitFor([&] { return PopupShown(hand.d, origin + kept[0]); }));
    Key(hand.d, XK_Escape);
    QVERIFY(WaitFor([&] { return !PopupShown(hand.d, origin + kept[0]); }));

    CloseWindow(hand.d, window);
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(ReadBytes(settings), std::string("[Keep]\r\nCount=2\r\n0=0080FF\r\n1=FF8000\r\n"));

    QProcess second;
    QVERIFY(Start(second, &window));
    origin = Origin(hand.d, window);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + kept[1]) == azure; }));
    QCOMPARE(PixelAt(hand.d, origin + kept[0]), orange);
    second.kill();
    second.waitForFinished();
  }
};

QTEST_MAIN(TestKeepX11)
#include "tst_KeepX11.moc"
