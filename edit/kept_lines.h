// Whole lines as the undo records keep them: each line's length, the flags
// that say how it ended in its file, and its bytes, one after another.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/line.h"

namespace tarn {

void packLine(std::string& out, const Line& line);

// New lines, not linked, from what packLine wrote.
std::vector<Line*> unpackLines(std::string_view packed);

}  // namespace tarn
