// A list of names to choose one from, framed in the middle of the screen
// with a title above and the button's text below: Up and Down, Page Up and
// Page Down, Home and End move the bar, a letter moves it to the next name
// that begins with it, Enter takes the name under the bar and Esc none.
// It stands in for the console lists until they are there.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

struct Editor;

// The index of the name chosen.
std::optional<size_t> chooseFromList(Editor& editor, std::string_view title, std::string_view button,
                                     const std::vector<std::string>& names);

}  // namespace tarn
