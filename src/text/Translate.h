#pragma once
// The interface's texts: each is written in the program's Japanese and looked
// up, by its context, in the translation installed at start-up (none for
// Japanese, so the text comes back as written). Texts with a variable part
// carry %1, %2, ... so that a translation can put them where its language
// wants them.

#include <initializer_list>
#include <string>
#include <string_view>

namespace hb {

// The text in the interface's language, UTF-8.
std::string Tr(const char* context, const char* source);

// text with %1, %2, ... replaced by the values in one pass, so that a value
// holding "%2" (a name from a file) is never read as a marker.
std::string Args(std::string_view text, std::initializer_list<std::string_view> values);
// The same for a text with %1 only.
std::string Arg(std::string_view text, std::string_view value);

} // namespace hb
