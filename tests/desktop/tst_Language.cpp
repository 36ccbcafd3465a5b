// The interface's language from the environment, as gettext reads it, and
// the --lang values.

#include <QtTest>

#include "desktop/Language.h"

using hb::TLanguage;
Q_DECLARE_METATYPE(hb::TLanguage)

class TestLanguage : public QObject {
  Q_OBJECT

 private slots:
  void fromEnvironment_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<TLanguage>("chosen");
    const TLanguage ja = TLanguage::Japanese, en = TLanguage::English;
    QTest::newRow("nothing set") << "" << "" << "" << "" << ja;
    QTest::newRow("LANG=C") << "" << "" << "" << "C" << ja;
    QTest::newRow("C.UTF-8 ignores LANGUAGE") << "en" << "" << "" << "C.UTF-8" << ja;
    QTest::newRow("POSIX") << "" << "POSIX" << "" << "en_US.UTF-8" << ja;
    QTest::newRow("en_US") << "" << "" << "" << "en_US.UTF-8" << en;
    QTest::newRow("ja_JP") << "" << "" << "" << "ja_JP.UTF-8" << ja;
    QTest::newRow("de: neither") << "" << "" << "" << "de_DE.UTF-8" << ja;
    QTest::newRow("LANGUAGE puts English first") << "de:en_GB:ja" << "" << "" << "ja_JP.UTF-8" << en;
    QTest::newRow("LANGUAGE puts Japanese first") << "ja:en" << "" << "" << "en_US.UTF-8" << ja;
    QTest::newRow("LANGUAGE names neither: the locale") << "fr:de" << "" << "" << "en_US.UTF-8" << en;
    QTest::newRow("LC_ALL over LANG") << "" << "en_AU.UTF-8" << "" << "ja_JP.UTF-8" << en;
    QTest::newRow("LC_MESSAGES over LANG") << "" << "" << "ja_JP.UTF-8" << "en_US.UTF-8" << ja;
    QTest::newRow("a modifier") << "" << "" << "" << "en@euro" << en;
    QTest::newRow("not a language code") << "" << "" << "" << "eng_XX" << ja;
  }
  void fromEnvironment() {
    QFETCH(QString, language);
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(TLanguage, chosen);
    QCOMPARE(hb::LanguageOf(language.toStdString(), lcAll.toStdString(), lcMessages.toStdString(), lang.toStdString()),
             chosen);
  }

  void named() {
    QCOMPARE(hb::LanguageNamed("ja"), std::optional(TLanguage::Japanese));
    QCOMPARE(hb::LanguageNamed("en"), std::optional(TLanguage::English));
    QCOMPARE(hb::LanguageNamed("EN"), std::nullopt);
  }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_Language.moc"
