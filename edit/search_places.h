// Cursor places of locate and change: the cursor as a byte column of its
// line, the place a match puts it, and the scope a record's options ask for.
#pragma once
#include "core/document.h"
#include "edit/search_records.h"
#include "edit/search_walk.h"
#include "edit/text_columns.h"

namespace tarn {

// The cursor's byte column; past the line's end it counts on beyond it.
int cursorByte(const Document& doc, const ColumnRule& rule);

// Makes line current with the cursor on a byte column of it.
void putCursor(Document& doc, Line* line, LineIndex number, int byteColumn, const ColumnRule& rule);

// A point of a match (on its line or the line-th line after it) as a line,
// its number and a byte column.
struct MatchPlace {
  Line* line;
  LineIndex number;
  int column;
};
MatchPlace placeOf(const FoundMatch& found, TextPoint point);

// The last byte column of a match on its own line (the start for an empty match).
int lastByteOnLine(const FoundMatch& found);

SearchScope scopeOf(const SearchRecord& record);

}  // namespace tarn
