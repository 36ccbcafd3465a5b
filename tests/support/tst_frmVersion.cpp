// The version dialog and the link label, offscreen.

#include <QEnterEvent>
#include <QLabel>
#include <QUrl>
#include <QtTest>

#include "app/frmMain.h"
#include "platform/Shell.h"
#include "support/PictureButton.h"
#include "support/URLLink.h"
#include "support/Version.h"
#include "support/frmVersion.h"

namespace {

// Records what the shell is asked to open.
struct ShellRecorder {
  QList<QUrl> opened;
  ShellRecorder() {
    hb::SetShellOpenHandlerForTesting([this](const QUrl& url) {
      opened << url;
      return true;
    });
  }
  ~ShellRecorder() { hb::SetShellOpenHandlerForTesting({}); }
};

void Enter(QWidget* w, QPoint at = QPoint(2, 2)) {
  QEnterEvent e(at, w->mapTo(w->window(), at), w->mapToGlobal(at));
  QCoreApplication::sendEvent(w, &e);
}

void Leave(QWidget* w) {
  QEvent e(QEvent::Leave);
  QCoreApplication::sendEvent(w, &e);
}

void Press(QWidget* w, Qt::MouseButton button, QPoint at = QPoint(2, 2)) {
  QMouseEvent e(QEvent::MouseButtonPress, at, w->mapToGlobal(at), button, button, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

void Move(QWidget* w, QPoint at) {
  QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

} // namespace

class TestFrmVersion : public QObject {
  Q_OBJECT

 private slots:
  void showsProductAndVersion() {
    TfrmVersion dialog;
    QCOMPARE(dialog.windowTitle(), QString::fromUtf8("バージョン情報"));
    QCOMPARE(dialog.size(), QSize(345, 224));
    QCOMPARE(dialog.Label1->text(), QStringLiteral("Huebrook"));
    QCOMPARE(dialog.Label2->text(), QStringLiteral("Version: 6.0.0"));
    QCOMPARE(dialog.Image2->Picture().size(), QSize(32, 32));
    QCOMPARE(dialog.btnClose->Caption(), QString::fromUtf8("閉じる"));
  }

  // The name and the version stand in bold lines 21 and 16 pixels high, over
  // the dialog's 12-pixel text, each label as high as its line; the version
  // ends at x 324.
  void labelLines_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("lineHeight");
    QTest::addColumn<QPoint>("corner");  // top left of Label1, top right of Label2
    QTest::newRow("Label1") << "Label1" << 21 << QPoint(64, 16);
    QTest::newRow("Label2") << "Label2" << 16 << QPoint(324, 40);
  }
  void labelLines() {
    QFETCH(QString, label);
    QFETCH(int, lineHeight);
    TfrmVersion dialog;
    const QLabel* l = dialog.findChild<QLabel*>(label);
    QVERIFY(l->font().bold());
    QCOMPARE(QFontMetrics(l->font()).height(), lineHeight);
    QCOMPARE(dialog.font().pixelSize(), 12);
    QCOMPARE(l->height(), lineHeight);
    QVERIFY(l->width() >= QFontMetrics(l->font()).horizontalAdvance(l->text()));
    QTEST(label == "Label1" ? l->pos() : l->geometry().topRight() + QPoint(1, 0), "corner");
  }

  // Without a translation table the look-up fails and the dialog keeps its
  // placeholder texts and shows no icon.
  void failedLookupKeepsPlaceholders() {
    const hb::TVersionResource noTable{{}, {{"\\StringFileInfo\\041103A4\\ProductName", "Huebrook"}}};
    TfrmVersion::VersionLookupForTesting() = [&](int i) { return hb::GetVersionString(&noTable, i); };
    TfrmVersion dialog;
    TfrmVersion::VersionLookupForTesting() = nullptr;
    QCOMPARE(dialog.Label1->text(), QStringLiteral("Label1"));
    QCOMPARE(dialog.Label2->text(), QStringLiteral("Label1"));
    QVERIFY(dialog.Image2->Picture().isNull());
  }

  void disablesMainWindowWhileOpen() {
    TfrmMain main;
    TfrmVersion dialog;
    main.AttachSecondaryWindows(&dialog, nullptr);
    main.show();
    main.TBItem3->trigger();
    QVERIFY(dialog.isVisible());
    QVERIFY(!main.isEnabled());
    QTest::mouseClick(dialog.btnClose, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(main.isEnabled());
    // Again, through the window's own close.
    main.TBItem3Click(nullptr);
    QVERIFY(!main.isEnabled());
    dialog.close();
    QVERIFY(main.isEnabled());
  }

  void linkDefaults() {
    TURLLink link;
    QCOMPARE(link.Link(), QStringLiteral("http://"));
    QCOMPARE(link.URLType(), tpURL);
    QCOMPARE(link.LinkColor(), QColor(Qt::red));
    QCOMPARE(link.FontColor(), QColor(Qt::blue));
    QVERIFY(link.EnableShowHint());
    QCOMPARE(link.HintOffsetX(), 15);
    QCOMPARE(link.HintOffsetY(), 15);
    QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
  }

  void linkColourUnderMouse() {
    TURLLink link;
    link.setText(QStringLiteral("link"));
    link.SetEnableShowHint(false);
    link.show();
    Enter(&link);
    QCOMPARE(link.FontColor(), QColor(Qt::red));
    Leave(&link);
    QCOMPARE(link.FontColor(), QColor(Qt::blue));
    // A colour of the caller's own comes back, not blue.
    link.SetFontColor(Qt::darkGreen);
    link.SetLinkColor(Qt::magenta);
    Enter(&link);
    QCOMPARE(link.FontColor(), QColor(Qt::magenta));
    Leave(&link);
    QCOMPARE(link.FontColor(), QColor(Qt::darkGreen));
  }

  void pressOpensTarget_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("opened");
    QTest::newRow("web, left") << int(tpURL) << "https://example.org/a?b=c" << int(Qt::LeftButton)
                               << "https://example.org/a?b=c";
    QTest::newRow("mail, left") << int(tpMAIL) << "someone@example.org" << int(Qt::LeftButton)
                                << "mailto:someone@example.org";
    QTest::newRow("web, right") << int(tpURL) << "https://example.org/" << int(Qt::RightButton) << "";
    QTest::newRow("mail, middle") << int(tpMAIL) << "someone@example.org" << int(Qt::MiddleButton) << "";
  }
  void pressOpensTarget() {
    QFETCH(int, type);
    QFETCH(QString, link);
    QFETCH(int, button);
    QFETCH(QString, opened);
    ShellRecorder shell;
    TURLLink label;
    label.SetURLType(TURLtype(type));
    label.SetLink(link);
    label.show();
    Press(&label, Qt::MouseButton(button));
    QCOMPARE(shell.opened.size(), opened.isEmpty() ? 0 : 1);
    if (!opened.isEmpty()) QCOMPARE(shell.opened.front().toString(), opened);
  }

  void hintBesidePointer() {
    TURLLink label;
    label.setText(QStringLiteral("link"));
    label.SetLink(QStringLiteral("https://example.org/"));
    label.resize(100, 20);
    label.show();
    Enter(&label, QPoint(5, 6));
    Move(&label, QPoint(5, 6));
    QVERIFY(label.HintShowing());
    QVERIFY(label.HintWindow()->isVisible());
    QCOMPARE(label.HintWindow()->pos(), label.mapToGlobal(QPoint(5, 6)) + QPoint(15, 15));
    const QFontMetrics fm(label.HintFormFont());
    QCOMPARE(label.HintWindow()->width(), fm.horizontalAdvance(label.Link()) + 6);
    // Further moves leave it where it first appeared.
    Move(&label, QPoint(40, 8));
    QCOMPARE(label.HintWindow()->pos(), label.mapToGlobal(QPoint(5, 6)) + QPoint(15, 15));
    Leave(&label);
    QVERIFY(!label.HintWindow()->isVisible());
    // A press hides it too.
    ShellRecorder shell;
    Enter(&label);
    Move(&label, QPoint(3, 3));
    QVERIFY(label.HintWindow()->isVisible());
    Press(&label, Qt::LeftButton);
    QVERIFY(!label.HintWindow()->isVisible());
  }

  void noHintWhenDisabled() {
    TURLLink label;
    label.SetEnableShowHint(false);
    label.show();
    Enter(&label);
    Move(&label, QPoint(3, 3));
    QVERIFY(!label.HintShowing());
    QVERIFY(!label.HintWindow()->isVisible());
  }

  // The dialog's links lead to the help page installed with the program.
  void dialogLinksOpenHelpPage() {
    TfrmVersion dialog;
    for (TURLLink* link : {dialog.URLLink1, dialog.URLLink2}) {
      QVERIFY(link->Link().endsWith(QStringLiteral("/help.htm")));
      QVERIFY(!link->EnableShowHint());
      QCOMPARE(link->URLType(), tpURL);
    }
  }
};

QTEST_MAIN(TestFrmVersion)
#include "tst_frmVersion.moc"
