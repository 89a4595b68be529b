// Match brace: from a bracket, quote or similar character to its partner.
#include "core/editor.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/text_columns.h"

namespace tarn::handler {

namespace {

// Pairs at even/odd places: an opening character searches forward for its
// partner, a closing one backward. Pairs of one character (quotes, bars,
// slashes, number signs) find the next occurrence.
constexpr std::string_view kPairs = "{}()[]\"\"''<>||//##";

constexpr std::string_view kNotABrace = "No brace at the cursor";
constexpr std::string_view kNoPartner = "Matching brace not found";

int fail(EngineCall& call, std::string_view text) {
  if (call.editor) call.editor->screen.message(text);
  return 0;
}

}  // namespace

int matchBrace(EngineCall& call) {
  Document& doc = call.doc;
  ColumnRule rule = columnRule(call);
  std::string_view text = currentText(doc);
  size_t at = positionAt(text, doc.cursorColumn, rule).index;
  size_t place = at < text.size() ? kPairs.find(text[at]) : std::string_view::npos;
  if (place == std::string_view::npos) return fail(call, kNotABrace);

  char self = kPairs[place];
  int step = place % 2 == 0 ? 1 : -1;
  char partner = kPairs[place + step];
  Line* line = doc.current;
  LineIndex number = doc.currentLineNumber;
  // Scans from the character after (or before) the cursor, line by line.
  auto i = static_cast<ptrdiff_t>(at);
  int depth = 0;
  while (true) {
    i += step;
    while (i < 0 || i >= static_cast<ptrdiff_t>(text.size())) {
      number += step;
      if (number < firstTextNumber(doc) || number > lastTextNumber(doc)) return fail(call, kNoPartner);
      line = step > 0 ? line->next() : line->prev();
      text = textOf(doc, line);
      i = step > 0 ? 0 : static_cast<ptrdiff_t>(text.size()) - 1;
    }
    char c = text[i];
    if (c == partner) {
      if (depth == 0) break;
      --depth;
    } else if (c == self) {
      ++depth;
    }
  }
  moveCursorTo(doc, line, number);
  doc.cursorColumn = columnOf(text, static_cast<size_t>(i), rule);
  return 1;
}

}  // namespace tarn::handler
