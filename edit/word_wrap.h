// Word wrap while typing (per-file option 4): typing calls this after each
// character it typed, and copy mark after the text it put in. With option 5
// the paragraph is reformatted from the current line; otherwise, once the
// cursor has gone beyond the right margin, the words that cross it move to
// a new line.
#pragma once

namespace tarn {

struct EngineCall;

void wrapAfterTyping(EngineCall& call);

}  // namespace tarn
