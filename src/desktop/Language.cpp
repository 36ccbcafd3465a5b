#include "desktop/Language.h"

#include <cstdlib>

namespace hb {
namespace {

// "en_GB.UTF-8", "en-US", "ja_JP@x" -> the language code before any region,
// encoding or modifier.
std::string_view CodeOf(std::string_view locale) {
  return locale.substr(0, locale.find_first_of("_.@-"));
}

bool NoPreference(std::string_view locale) {
  return locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

std::string_view Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

} // namespace

TLanguage LanguageOf(std::string_view language, std::string_view lcAll, std::string_view lcMessages,
                     std::string_view lang) {
  const std::string_view locale = !lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang;
  if (NoPreference(locale)) return TLanguage::Japanese;
  // LANGUAGE's entries in order, then the locale itself.
  while (true) {
    const std::size_t colon = language.find(':');
    const std::string_view entry = language.substr(0, colon);
    const std::string_view code = CodeOf(entry);
    if (code == "en") return TLanguage::English;
    if (code == "ja") return TLanguage::Japanese;
    if (colon == std::string_view::npos) break;
    language.remove_prefix(colon + 1);
  }
  return CodeOf(locale) == "en" ? TLanguage::English : TLanguage::Japanese;
}

TLanguage LanguageOfEnvironment() {
  return LanguageOf(Env("LANGUAGE"), Env("LC_ALL"), Env("LC_MESSAGES"), Env("LANG"));
}

std::optional<TLanguage> LanguageNamed(std::string_view name) {
  if (name == "ja") return TLanguage::Japanese;
  if (name == "en") return TLanguage::English;
  return std::nullopt;
}

} // namespace hb
