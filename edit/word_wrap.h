// Word wrap while typing: typing calls this after a character has brought
// the cursor to the right margin with word wrap on (per-file option 4).
// The paragraph formatting functions give it its body; until then a line
// is not wrapped.
#pragma once

namespace tarn {

struct EngineCall;

void wrapAfterTyping(EngineCall& call);

}  // namespace tarn
