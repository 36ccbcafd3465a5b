#include "text/Translate.h"

#include <QCoreApplication>

namespace hb {

std::string Tr(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

std::string Arg(std::string text, std::string_view value) {
  // The lowest %n present, as QString::arg finds it.
  int lowest = 100;
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') lowest = std::min(lowest, text[i + 1] - '0');
  if (lowest == 100) return text;
  const std::string marker = "%" + std::to_string(lowest);
  std::string out;
  out.reserve(text.size() + value.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, marker.size(), marker) == 0 &&
        !(i + 2 < text.size() && text[i + 2] >= '0' && text[i + 2] <= '9')) {
      out += value;
      i += marker.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

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
