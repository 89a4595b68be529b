// The value words of the `set` options, each list looked up ignoring case,
// and the names they are written back with. A word that is in no list is
// read as a decimal number where the option takes numbers.
#pragma once
#include <optional>
#include <string_view>

#include "core/settings.h"

namespace tarn::command {

// The 16 console colours, black 0 to brightwhite 15.
std::optional<int> colourValue(std::string_view word);
std::string_view colourName(int colour);

// on 1, off 0, otherwise the number the word reads as.
int switchValue(std::string_view word);
std::string_view switchName(bool on);

// on, off, or toggle (the other value than current).
bool highlightValue(std::string_view word, bool current);

// scrolllockon 0 .. off 5, or the number of one of them.
std::optional<KeyState> keyStateValue(std::string_view word);
std::string_view keyStateName(KeyState state);

// rightbutton 0 .. off 3, or the number of one of them.
std::optional<MouseAction> mouseValue(std::string_view word);
std::string_view mouseName(MouseAction action);

// oem 0, ansi 1, or the number of one of them.
std::optional<int> charsetValue(std::string_view word);
std::string_view charsetName(int charset);

// leading 1, trailing 2, compress 4; any other word reads as a number.
int trimValue(std::string_view word);

}  // namespace tarn::command
