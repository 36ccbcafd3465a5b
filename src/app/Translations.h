#pragma once
// Installs the interface's language: Qt's own Japanese texts (file dialogs,
// edit menus) for Japanese, the program's English translation for English.

#include "desktop/Language.h"

namespace hb {

// Needs the application object; the translators live until the program ends.
void InstallTranslations(TLanguage language);

} // namespace hb
