#include "edit/word_wrap.h"

namespace tarn {

// Formatting is not built yet: the line is left as typed.
void wrapAfterTyping(EngineCall&) {}

}  // namespace tarn
