#include "output/ColorCodes.h"

#include "text/CharText.h"

namespace hb {

namespace {

std::string ThreeDigits(int value) {
  std::string text = std::to_string(value);
  const int fill = 3 - CharLen(text);
  if (fill > 0) text.insert(0, std::size_t(fill), '0');
  return text;
}

} // namespace

std::string RGBCode(int R, int G, int B) { return ThreeDigits(R) + ThreeDigits(G) + ThreeDigits(B); }

std::string HexCode(std::string_view hexText) { return std::string(hexText); }

std::string HTMLCode(std::string_view hexText) { return "#" + std::string(hexText); }

std::string VBCode(std::string_view hexText, TCodePage cp) {
  const std::string u = CharRight(hexText, 4, cp);
  return "&H00" + CharRight(u, 2, cp) + CharLeft(u, 2, cp) + CharLeft(hexText, 2, cp) + "&";
}

} // namespace hb
