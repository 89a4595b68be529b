// Aligning lines: the first non-white character of each line of a scope,
// from the start of its part on, moved to a column by inserting or
// removing white space at the start of the part.
#pragma once
#include "edit/line_scope.h"

namespace tarn {

struct EngineCall;

// To a column (`align`: the cursor's); lines without a non-white character
// stay.
void alignToColumn(EngineCall& call, const LineScope& scope, int column);

enum class TabWay { Next, Previous };

// To the next or previous tab stop after or before where the text starts
// (`align tab`, `align backtab`); lines without a non-white character after
// the part's start stay. False, with nothing changed, when a line has no
// next tab stop.
bool alignToTabStop(EngineCall& call, const LineScope& scope, TabWay way);

}  // namespace tarn
