// Breaking a line at the cursor: Enter, and the functions built on it.
#pragma once

namespace tarn {

struct EngineCall;
struct Line;

// Whether lines may be added below the current line: a writable file (not
// a command line) with the cursor above the bottom-of-file line.
bool mayAddLines(const EngineCall& call);

// Cuts the current line at the cursor: the text from the cursor on moves to
// a new line inserted below, which is returned. The cursor stays.
Line* splitAtCursor(EngineCall& call);

// Enter: splits at the cursor and goes to column 0 of the new line; the
// window scrolls by one line when the cursor was on its last row. When
// nothing stood after the cursor and autoIndent is asked for (paste, undo
// and redo do not) and auto-indent (option 10) is on, the cursor goes under
// the first non-blank of the line above instead.
int breakLine(EngineCall& call, bool autoIndent);

}  // namespace tarn
