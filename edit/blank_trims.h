// The trims of the formatting functions: white space before the first
// non-white character, blanks at the end, and runs of blanks after the
// first non-blank squeezed to one. The bits are those of `linetrim`.
#pragma once
#include <string>

#include "edit/line_scope.h"

namespace tarn {

struct EngineCall;

// Takes out of a text what the trim bits name.
void trimText(std::string& text, int trimBits);

// Trims the part of each line of the scope. The text right of a part keeps
// its columns: the part is padded back with blanks. The cursor stays on its
// character. Returns whether a line changed.
bool trimLines(EngineCall& call, const LineScope& scope, int trimBits);

}  // namespace tarn
