// One record of the undo ring: what one primitive change did, or where the
// cursor stood. Line numbers are the text store's indices; columns of text
// records are byte positions, those of cursor records display columns.
#pragma once
#include <cstdint>

#include "edit/kept_text.h"

namespace tarn {

namespace undotype {
constexpr uint16_t kCursor = 'G';          // line, column: where the step began; count, endColumn: where it ended
constexpr uint16_t kInserted = 'I';        // line, column, count bytes; text: them, while undone
constexpr uint16_t kReplaced = 'R';        // line, column, count bytes; text: the bytes not in the line now
constexpr uint16_t kDeleted = 'D';         // line, column, count bytes; text: the deleted bytes
constexpr uint16_t kLinesInserted = 'L';   // line, count lines; text: them, while undone
constexpr uint16_t kLinesDeleted = 'Y';    // line, count lines; text: the deleted lines
constexpr uint16_t kLinesMoved = 'S';      // line: where they went, column: the first place they had,
                                           // count lines; text: the places they had, when not in order
constexpr uint16_t kBufferReplaced = 'P';  // text: the slot of the line buffer's other contents
constexpr uint16_t kTabExpansion = 'X';    // line; text: what the line stands for in the other state
                                           // (none: its own text), packed
// Added to every record of a step but its last.
constexpr uint16_t kContinues = 0x100;
// Added to the records of text changed beside the text the user has (tabs
// a block mark expands): replayed, they do not count as changes either.
constexpr uint16_t kBesideText = 0x200;
}  // namespace undotype

struct UndoRecord {
  uint16_t type;
  int32_t line;
  int32_t column;
  int32_t count;
  KeptText::Handle text = KeptText::kNone;
  int32_t endColumn = 0;

  uint16_t kind() const { return type & ~(undotype::kContinues | undotype::kBesideText); }
  bool continues() const { return type & undotype::kContinues; }
  bool besideText() const { return type & undotype::kBesideText; }
};

static_assert(sizeof(UndoRecord) == 24, "records stay small: kept bytes live in the kept-text store");

}  // namespace tarn
