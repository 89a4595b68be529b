#include "edit/marked_text.h"

namespace tarn {

// Marks and the line buffer come with the block functions; until then no
// file holds a mark.
std::optional<MarkedText> copyMarkedText(Editor&) { return std::nullopt; }

}  // namespace tarn
