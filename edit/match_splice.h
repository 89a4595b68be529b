// Putting a replacement where a match stood: the matched bytes (running on
// to later lines for a match that takes line ends) give way to the new
// text, a line feed in which starts a new line. Only the bytes that differ
// are touched, through the document's primitives.
#pragma once
#include <string_view>

#include "core/document.h"
#include "edit/search_match.h"

namespace tarn {

struct TextPlace {
  Line* line;
  LineIndex number;
  int column;  // byte column
};

// Replaces the span (its start on line, numbered number) with text;
// returns the place right after the new text. The cursor stays on its line
// unless that line was joined away, when it goes to the start's line.
TextPlace spliceMatch(Document& doc, Line* line, LineIndex number, const TextSpan& span, std::string_view text);

}  // namespace tarn
