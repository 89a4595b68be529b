// What locate and change read of the mark and write to it, in one place:
// the columns the mark covers on a line (for the scope options) and a span
// shown as a block mark (the select option, the change prompt).
#pragma once
#include <optional>

#include "core/document.h"

namespace tarn {

class Engine;

// Columns first to last (both included, last may lie past the line's end)
// of a line that the document's mark covers: the whole line for a line
// mark, from its first to its last line; the corner columns for a block
// mark and a character mark on one line; from the start column on the
// first line and up to the end column on the last line of a character mark
// over several lines. Nothing when no mark of the document reaches the line.
struct MarkedColumns {
  int first;
  int last;
};
std::optional<MarkedColumns> markedColumns(const Document& doc, const Line* line, LineIndex number);

// Makes columns first to last of a line the document's block mark (one
// corner when they are equal), or restores a mark kept before. With
// onlyMark, every other mark in the editor is removed first.
void showBlockMark(Engine& engine, Document& doc, Line* line, LineIndex number, int first, int last,
                   bool onlyMark);
void restoreMark(Document& doc, const Mark& kept);

}  // namespace tarn
