// Building blocks of the functions that change text.
#pragma once
#include <cstddef>

#include "core/document.h"

namespace tarn {

struct EngineCall;

// A change at the cursor may go ahead: the document is writable and the
// cursor is on a line that holds text (not a sentinel).
bool mayEditCurrent(const Document& doc);

// Tells why a change at the cursor is refused (the file is read-only, or
// the cursor is on a sentinel line) with a beep and a note; returns 0, the
// refusing handler's result.
int refuseChange(const EngineCall& call);

// The file holding the mark, when it may be changed: null when no file
// holds a mark, or (refused as above) when that file is read-only.
Document* changeableMarkHolder(const EngineCall& call);

// Pads a line with blanks to n bytes.
void padLine(Document& doc, Line& line, size_t n);

// Appends the next line's text to the line and deletes the next line.
// The caller has checked that the next line holds text.
void joinNextLine(Document& doc, Line& line);

// Deletes the current text line; the line that follows becomes current,
// or the line above when the last text line went. A command line keeps its
// one line, emptied.
void deleteCurrentLine(Document& doc);

}  // namespace tarn
