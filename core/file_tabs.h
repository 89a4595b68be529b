// The row of file tabs: one tab per open file in ring order, each the
// width `set tabbed` gives.
#pragma once
#include <string>
#include <string_view>

namespace tarn {

// The tab width in force: 1..1023, anything else 14.
int fileTabWidth(int setting);

// The label of a file's tab: its name without the directory, with a blank
// either side when there is room, cut or padded to width.
std::string fileTabLabel(std::string_view path, int width);

}  // namespace tarn
