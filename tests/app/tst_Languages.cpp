// The interface in either language: with no preference (or --lang ja) the
// same Japanese bytes as ever; in English the captions, a menu and a message
// box read in English. Files and codes do not change with the language.

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "app/Translations.h"
#include "app/frmMain.h"
#include "platform/MessageBoxes.h"
#include "support/GroupBox.h"

Q_DECLARE_METATYPE(hb::TLanguage)

class TestLanguages : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { hb::InstallTranslations(hb::TLanguage::Japanese); }

  void texts_data() {
    QTest::addColumn<hb::TLanguage>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("Japanese") << hb::TLanguage::Japanese
                              << QStringList{"画面から色を取得", "追加", "終了", "クリップボードに出力",
                                             "キープデータを全クリアします\nよろしいですか？", "確認", "FF8000"};
    QTest::newRow("English") << hb::TLanguage::English
                             << QStringList{"From the screen", "Add", "Exit", "Copy to clipboard",
                                            "All kept colours will be cleared.\nAre you sure?", "Confirm", "FF8000"};
  }
  void texts() {
    QFETCH(hb::TLanguage, language);
    QFETCH(QStringList, texts);
    hb::InstallTranslations(language);
    TfrmMain w;
    w.SetColors(255, 128, 0);
    hb::ScopedMessageBoxes boxes;
    boxes.boxes.answers.push_back(hb::mrCancel);
    w.btnKeepClear->click();
    QCOMPARE(boxes.boxes.shown.size(), std::size_t(1));
    const QStringList shown{w.GroupBox5->Caption(),
                            w.btnKeepAdd->text(),
                            w.TB_End->text(),
                            w.TBSubmenuItem4->title(),
                            QString::fromStdString(boxes.boxes.shown[0].text),
                            QString::fromStdString(boxes.boxes.shown[0].caption),
                            w.txtHex->text()};
    QCOMPARE(shown, texts);
  }
};

QTEST_MAIN(TestLanguages)
#include "tst_Languages.moc"
