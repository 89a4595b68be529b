// Paragraphs: runs of lines that are not blank. A blank line is empty or
// holds only white space; the sentinel lines count as blank.
#pragma once
#include <string>
#include <vector>

#include "core/document.h"
#include "edit/cursor_lines.h"

namespace tarn {

bool isBlankLine(const Document& doc, const Line* line);

// A line and its index.
struct NumberedLine {
  Line* line;
  LineIndex number;
};

// The last line of the paragraph that goes on from a line that is not blank.
NumberedLine paragraphEnd(const Document& doc, NumberedLine from);

// Calls each with the first line of every paragraph of the text, top
// down; each returns the paragraph's last line (as it stands then), below
// which the walk goes on.
template <typename Each>
void forEachParagraph(const Document& doc, Each each) {
  for (NumberedLine line{doc.firstText(), firstTextNumber(doc)}; line.line != doc.last;
       line = {line.line->next(), line.number + 1}) {
    if (!isBlankLine(doc, line.line)) line = each(line);
  }
}

// Gives the count lines from first their new texts, line by line, then
// deletes the lines left over or adds the texts left over below them.
// There is at least one line and one text. The cursor ends on the last line
// of the new run, which is returned.
NumberedLine replaceLines(Document& doc, NumberedLine first, size_t count, const std::vector<std::string>& texts);

}  // namespace tarn
