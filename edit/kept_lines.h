// Whole lines as the undo records keep them: each line's length, the flags
// that say how it ended in its file, and its bytes, one after another;
// a line whose tabs a block mark expanded keeps what it stands for too.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/line.h"
#include "core/tab_expansion.h"

namespace tarn {

struct KeptLine {
  Line* line;  // new, not linked
  std::optional<TabExpansion> expansion;
};

void packLine(std::string& out, const Line& line, const TabExpansion* expansion);

// The lines packLine wrote, one after another.
std::vector<KeptLine> unpackLines(std::string_view packed);

void packExpansion(std::string& out, const TabExpansion& expansion);
// Reads what packExpansion wrote from the front of packed.
TabExpansion unpackExpansion(std::string_view& packed);

}  // namespace tarn
