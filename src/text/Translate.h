#pragma once
// The interface's texts: each is written in the program's Japanese and looked
// up, by its context, in the translation installed at start-up (none for
// Japanese, so the text comes back as written). Texts with a variable part
// carry %1, %2, ... so that a translation can put them where its language
// wants them.

#include <string>
#include <string_view>

namespace hb {

// The text in the interface's language, UTF-8.
std::string Tr(const char* context, const char* source);

// text with its lowest-numbered %n (every occurrence of it) replaced by value.
std::string Arg(std::string text, std::string_view value);

} // namespace hb
