// The trims of the formatting functions: white space before the first
// non-white character, blanks at the end, and runs of blanks after the
// first non-blank squeezed to one. The bits are those of `linetrim`.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "edit/line_scope.h"

namespace tarn {

struct EngineCall;

// Bytes a trim takes out of a text.
struct ByteRun {
  size_t at;
  size_t count;
};

// What the trim bits take out of a text, left to right.
std::vector<ByteRun> trimmedRuns(std::string_view text, int trimBits);

void trimText(std::string& text, int trimBits);

// Trims the part of each line of the scope. The text right of a part keeps
// its columns: the part is padded back with blanks. The cursor stays on its
// character. Returns whether a line changed.
bool trimLines(EngineCall& call, const LineScope& scope, int trimBits);

}  // namespace tarn
