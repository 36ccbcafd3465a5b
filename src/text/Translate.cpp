#include "text/Translate.h"

#include <QCoreApplication>

namespace hb {

std::string Tr(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

std::string Arg(std::string_view text, std::string_view value) { return Args(text, {value}); }

std::string Args(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
        std::size_t(text[i + 1] - '1') < values.size()) {
      out += values.begin()[text[i + 1] - '1'];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

} // namespace hb
