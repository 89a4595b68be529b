// Numbers as `set` values and bracket counts are written: optional blanks,
// an optional sign and decimal digits. Anything after the digits is
// ignored, a text without digits reads as 0, and values beyond the range
// of int stop at its ends instead of wrapping.
#pragma once
#include <optional>
#include <string_view>

namespace tarn::command {

int readDecimal(std::string_view text);

// True when the whole text is decimal digits (at least one).
bool isDigits(std::string_view text);

// The number a text of decimal digits stands for; nothing for any other text.
inline std::optional<int> wholeDecimal(std::string_view text) {
  return isDigits(text) ? std::optional<int>(readDecimal(text)) : std::nullopt;
}

}  // namespace tarn::command
