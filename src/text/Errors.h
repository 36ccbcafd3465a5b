#pragma once
// Errors the program raises and its handlers catch.

#include <stdexcept>
#include <string>

namespace hb {

// A text that is not the number it should be (hexadecimal digits, a whole
// number written by IntFromFloatText, ...). The message is shown as is.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

} // namespace hb
