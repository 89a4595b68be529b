// The lines the cursor moves over. The sentinel lines around a file's text
// hold display text only: to the cursor they are empty, and nothing edits them.
#pragma once
#include <string_view>

#include "core/document.h"

namespace tarn {

std::string_view textOf(const Document& doc, const Line* line);
inline std::string_view currentText(const Document& doc) { return textOf(doc, doc.current); }

// Indices of the first and last lines that hold text (2 and lineCount - 1
// for a file; 1 and 1 for a command line). A file whose text lines were all
// deleted has none: its last index is then 1, the top-of-file line.
LineIndex firstTextNumber(const Document& doc);
LineIndex lastTextNumber(const Document& doc);
bool isBottomOfFile(const Document& doc, const Line* line);

// The line at an index, walked to from whichever of the first, the current
// and the last line is nearest; null outside the document.
Line* lineNear(const Document& doc, LineIndex number);

// Makes a line current. The engine puts the window around it afterwards
// when it has left the window.
void moveCursorTo(Document& doc, Line* line, LineIndex number);
// Makes a line current and scrolls the window only as far as needed to keep
// it shown (one line for a step up or down).
void stepCursorTo(Document& doc, Line* line, LineIndex number);

// The longest allowed line (per-file option 19): the cursor column stays below it.
int longestLine(const Document& doc);

// Index of the window's first shown line, and of its last one within the text.
LineIndex windowTopNumber(const Document& doc);
LineIndex windowBottomNumber(const Document& doc);

}  // namespace tarn
