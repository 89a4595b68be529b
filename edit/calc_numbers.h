// Numbers as the calculator reads them from expressions, variables and the
// text of the file, and as it writes them back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarn::calc {

// A number at the start of a text: how many bytes it takes (0 when the
// text does not start with one) and its value. A number beyond what a
// double holds, or a hexadecimal one beyond 32 bits, is out of range.
struct ScannedNumber {
  size_t length = 0;
  double value = 0;
  bool inRange = true;
};

// An optional sign, then decimal digits with an optional decimal point and
// an optional exponent.
ScannedNumber scanDecimal(std::string_view text);
// An optional sign, then `0x` or `0X` and hexadecimal digits, read as an
// unsigned 32-bit integer.
ScannedNumber scanHexadecimal(std::string_view text);

// A text read as a number, as variables' values and the file's text are:
// blanks, then a decimal number; 0 when there is none. Nothing when the
// number is out of range.
std::optional<double> readNumber(std::string_view text);

// The shortest text that reads back as the same value.
std::string numberText(double value);

// The value truncated towards zero, when a 64-bit integer holds it.
std::optional<int64_t> integerPart(double value);

}  // namespace tarn::calc
