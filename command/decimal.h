// Numbers as `set` values and bracket counts are written: optional blanks,
// an optional sign and decimal digits. Anything after the digits is
// ignored, a text without digits reads as 0, and values beyond the range
// of int stop at its ends instead of wrapping.
#pragma once
#include <string_view>

namespace tarn::command {

int readDecimal(std::string_view text);

// True when the whole text is decimal digits (at least one).
bool isDigits(std::string_view text);

}  // namespace tarn::command
