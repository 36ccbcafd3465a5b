#pragma once
// The interface's language: Japanese, the program's own, unless the user's
// languages put English before Japanese. They are read as gettext and Qt's
// QLocale::uiLanguages() read them: the LANGUAGE list, then the locale of
// LC_ALL, LC_MESSAGES or LANG (the first set); the "C" and "POSIX" locales
// state no preference (and make LANGUAGE ignored), so they keep Japanese.

#include <optional>
#include <string_view>

namespace hb {

enum class TLanguage { Japanese, English };

TLanguage LanguageOf(std::string_view language, std::string_view lcAll, std::string_view lcMessages,
                     std::string_view lang);

// The same from this process's environment.
TLanguage LanguageOfEnvironment();

// "ja" and "en" (the --lang option's values); nothing for any other.
std::optional<TLanguage> LanguageNamed(std::string_view name);

} // namespace hb
