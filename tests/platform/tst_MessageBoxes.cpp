// The real message box as the program builds it: plain text, the fixed
// button captions, and what Escape answers.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

#include "platform/MessageBoxes.h"

class TestMessageBoxes : public QObject {
  Q_OBJECT

 private slots:
  // A message holding markup or an ampersand shows every character as written.
  void textIsPlain_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("markup in a path") << QString::fromUtf8("/tmp/<b>x</b>/設定.ini に書き込めません");
    QTest::newRow("entity") << QStringLiteral("&amp; &lt;");
    QTest::newRow("html document") << QStringLiteral("<html><body><h1>big</h1></body></html>");
    QTest::newRow("line break") << QString::fromUtf8("入ります。\r\nマウス");
  }
  void textIsPlain() {
    QFETCH(QString, text);
    hb::TBuiltMessageBox built =
        hb::BuildMessageBox({hb::TMsgDlgType::mtError, "エラー", text.toStdString(), hb::mbOK}, nullptr);
    QCOMPARE(built.box->textFormat(), Qt::PlainText);
    QCOMPARE(built.box->text(), text);
    // What the user reads is the text itself.
    bool shown = false;
    for (QLabel* label : built.box->findChildren<QLabel*>())
      if (label->text() == text) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        shown = true;
      }
    QVERIFY(shown);
  }

  void buttonsAndEscape_data() {
    QTest::addColumn<unsigned>("buttons");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("escape");
    QTest::newRow("yes no") << unsigned(hb::mbYes | hb::mbNo)
                            << QStringList{QString::fromUtf8("はい(&Y)"), QString::fromUtf8("いいえ(&N)")}
                            << int(hb::mrNo);
    QTest::newRow("ok cancel") << unsigned(hb::mbOK | hb::mbCancel)
                               << QStringList{QStringLiteral("OK"), QString::fromUtf8("キャンセル")}
                               << int(hb::mrCancel);
    QTest::newRow("ok") << unsigned(hb::mbOK) << QStringList{QStringLiteral("OK")} << int(hb::mrOk);
  }
  void buttonsAndEscape() {
    QFETCH(unsigned, buttons);
    QFETCH(QStringList, captions);
    QFETCH(int, escape);
    hb::TBuiltMessageBox built =
        hb::BuildMessageBox({hb::TMsgDlgType::mtConfirmation, "確認", "?", buttons}, nullptr);
    QStringList got;
    for (const auto& [button, answer] : built.answers) got << button->text();
    QCOMPARE(got, captions);
    QCOMPARE(built.escapeAnswer, escape);
    QVERIFY(built.box->escapeButton());
    QCOMPARE(built.box->windowTitle(), QString::fromUtf8("確認"));
  }
};

QTEST_MAIN(TestMessageBoxes)
#include "tst_MessageBoxes.moc"
