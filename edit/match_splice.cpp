#include "edit/match_splice.h"

#include <algorithm>
#include <string>

namespace tarn {

namespace {

// Replaces n bytes at column with text on one line: the common length is
// typed over, the rest inserted or deleted.
void spliceLine(Document& doc, Line& line, uint32_t column, uint32_t n, std::string_view text) {
  auto common = static_cast<uint32_t>(std::min<size_t>(n, text.size()));
  if (common > 0 && line.view().substr(column, common) != text.substr(0, common))
    doc.replaceCharacters(line, column, text.substr(0, common));
  if (text.size() > common)
    doc.insertCharacters(line, column + common, text.substr(common));
  else if (n > common)
    doc.deleteCharacters(line, column + common, n - common);
}

}  // namespace

TextPlace spliceMatch(Document& doc, Line* line, LineIndex number, const TextSpan& span, std::string_view text) {
  const auto start = static_cast<uint32_t>(span.start.column);
  if (span.end.line == 0 && text.find('\n') == std::string_view::npos) {
    spliceLine(doc, *line, start, static_cast<uint32_t>(span.end.column) - start, text);
    return {line, number, static_cast<int>(start + text.size())};
  }
  // The text after the match moves to the end of the new text.
  std::string tail;
  if (span.end.line == 0) {
    tail.assign(line->view().substr(span.end.column));
  } else {
    Line* endLine = line;
    for (int k = 0; k < span.end.line && endLine->next(); ++k) endLine = endLine->next();
    tail.assign(endLine->view().substr(std::min<size_t>(span.end.column, endLine->length)));
    for (int k = 0; k < span.end.line; ++k) {
      Line* next = line->next();
      if (!next || doc.isSentinel(next)) break;
      if (doc.current == next) {  // the cursor goes to the line that takes the text
        doc.current = line;
        doc.currentLineNumber = number;
      }
      doc.deleteLine(next);
    }
  }
  size_t feed = text.find('\n');
  std::string_view first = text.substr(0, feed);
  doc.deleteCharacters(*line, start, line->length - start);
  doc.insertCharacters(*line, start, first);
  TextPlace end{line, number, static_cast<int>(start + first.size())};
  while (feed != std::string_view::npos) {
    size_t next = text.find('\n', feed + 1);
    std::string_view piece = text.substr(feed + 1, next == std::string_view::npos ? next : next - feed - 1);
    Line* fresh = makeLine(piece);
    doc.insertAfter(end.line, fresh);
    end = {fresh, end.number + 1, static_cast<int>(piece.size())};
    feed = next;
  }
  doc.insertCharacters(*end.line, end.line->length, tail);
  return end;
}

}  // namespace tarn
