#include "edit/calc_numbers.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace tarn::calc {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSign(char c) { return c == '+' || c == '-'; }

int hexDigit(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

size_t digitsFrom(std::string_view text, size_t pos) {
  size_t end = pos;
  while (end < text.size() && isDigit(text[end])) ++end;
  return end - pos;
}

}  // namespace

ScannedNumber scanDecimal(std::string_view text) {
  size_t pos = !text.empty() && isSign(text[0]) ? 1 : 0;
  size_t whole = digitsFrom(text, pos);
  pos += whole;
  size_t fraction = 0;
  if (pos < text.size() && text[pos] == '.') {
    fraction = digitsFrom(text, pos + 1);
    if (whole + fraction > 0) pos += 1 + fraction;
  }
  if (whole + fraction == 0) return {};
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    size_t digitsAt = pos + 1 + (pos + 1 < text.size() && isSign(text[pos + 1]) ? 1 : 0);
    size_t exponent = digitsFrom(text, digitsAt);
    if (exponent > 0) pos = digitsAt + exponent;
  }
  // from_chars reads no leading '+', and reads the same in every locale.
  size_t from = text[0] == '+' ? 1 : 0;
  ScannedNumber number{pos, 0, true};
  auto [end, error] = std::from_chars(text.data() + from, text.data() + pos, number.value);
  number.inRange = error == std::errc{} && end == text.data() + pos;
  return number;
}

ScannedNumber scanHexadecimal(std::string_view text) {
  size_t pos = !text.empty() && isSign(text[0]) ? 1 : 0;
  if (text.substr(pos, 2) != "0x" && text.substr(pos, 2) != "0X") return {};
  pos += 2;
  if (pos >= text.size() || hexDigit(text[pos]) < 0) return {};
  uint64_t value = 0;
  bool inRange = true;
  for (; pos < text.size() && hexDigit(text[pos]) >= 0; ++pos) {
    value = value * 16 + static_cast<uint64_t>(hexDigit(text[pos]));
    if (value > UINT32_MAX) {
      inRange = false;
      value = UINT32_MAX;  // bounded while the rest of the digits are read
    }
  }
  double magnitude = static_cast<double>(value);
  return {pos, text[0] == '-' ? -magnitude : magnitude, inRange};
}

std::optional<double> readNumber(std::string_view text) {
  size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return 0.0;
  ScannedNumber number = scanDecimal(text.substr(start));
  if (!number.inRange) return std::nullopt;
  return number.value;
}

std::string numberText(double value) {
  char text[32];  // the longest is 24 characters: -2.2250738585072014e-308
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::optional<int64_t> integerPart(double value) {
  double whole = std::trunc(value);
  // -2^63 and 2^63 are exact in a double; NaN fails both comparisons.
  if (!(whole >= -9223372036854775808.0 && whole < 9223372036854775808.0)) return std::nullopt;
  return static_cast<int64_t>(whole);
}

}  // namespace tarn::calc
