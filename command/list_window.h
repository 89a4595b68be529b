// A plain list window: a framed list of lines over the screen, with a title
// and one button named in its bottom frame. Up, Down, Page Up, Page Down,
// Home and End move the choice; Enter takes it, Esc cancels. It stands in
// for the console lists until those exist.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {
struct Editor;
}

namespace tarn::command {

// The index of the entry chosen, or nothing when the list was cancelled
// (or is empty). The screen is repainted afterwards.
std::optional<size_t> chooseFromList(Editor& editor, std::string_view title, std::string_view button,
                                     const std::vector<std::string>& entries);

}  // namespace tarn::command
