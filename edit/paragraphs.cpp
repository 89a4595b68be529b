#include "edit/paragraphs.h"

#include <algorithm>

#include "edit/cursor_lines.h"
#include "edit/text_columns.h"

namespace tarn {

bool isBlankLine(const Document& doc, const Line* line) {
  std::string_view text = textOf(doc, line);
  return firstNonWhite(text) == text.size();
}

NumberedLine paragraphEnd(const Document& doc, NumberedLine from) {
  while (!isBlankLine(doc, from.line->next())) {
    from.line = from.line->next();
    ++from.number;
  }
  return from;
}

NumberedLine replaceLines(Document& doc, NumberedLine first, size_t count, const std::vector<std::string>& texts) {
  size_t kept = std::min(count, texts.size());
  NumberedLine last = first;
  for (size_t i = 0; i < kept; ++i) {
    if (i > 0) last = {last.line->next(), last.number + 1};
    doc.setText(*last.line, texts[i]);
  }
  // Deleting a line that is current takes the least finding.
  for (size_t i = kept; i < count; ++i) {
    moveCursorTo(doc, last.line->next(), last.number + 1);
    doc.deleteLine(doc.current);
  }
  for (size_t i = kept; i < texts.size(); ++i) {
    moveCursorTo(doc, last.line, last.number);
    doc.insertAfterCurrent(makeLine(texts[i]));
    last = {last.line->next(), last.number + 1};
  }
  moveCursorTo(doc, last.line, last.number);
  return last;
}

}  // namespace tarn
