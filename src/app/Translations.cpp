#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace hb {

void InstallTranslations(TLanguage language) {
  static QTranslator translator;
  QCoreApplication::removeTranslator(&translator);
  const bool loaded =
      language == TLanguage::English
          ? translator.load(QStringLiteral(":/i18n/huebrook_en.qm"))
          // Qt's own texts in Japanese like the rest of the program, whatever the locale.
          : translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (loaded) QCoreApplication::installTranslator(&translator);
}

} // namespace hb
