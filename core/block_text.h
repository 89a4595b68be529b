// Moving text between the mark, the line buffer and the cursor: what the
// block functions, the clipboard and the `append` command are built from.
#pragma once
#include "core/line_buffer.h"

namespace tarn {

class Engine;
struct Document;

// The text of a document's mark as the line buffer holds it: the marked
// lines of a line mark, or the marked part of each line of a character or
// block mark (core/marks.h), with the kind that goes with it.
BufferContents markedText(const Engine& engine, const Document& holder);

// Replaces the line buffer's contents with the marked text, for a function
// running on `running` (whose undo gives the buffer its contents back).
void copyMarkToBuffer(Engine& engine, Document& running, const Document& holder);

// Removes the marked text, and the mark with it: the marked lines of a
// line mark; a block's columns, the text right of them moving left; a
// character mark's text, its first and last lines joined. A cursor in the
// marked text goes to where it began; one behind it keeps to its text.
void deleteMarkedText(Engine& engine, Document& holder);

// Whether contents of the line buffer can be pasted at the cursor: they
// are something, the document is writable, and the cursor is on a text
// line for pieces of lines (in a command line, only one piece and no whole
// lines). Asked before the buffer is replaced, so that a paste that cannot
// be leaves the buffer as it was.
bool mayPaste(const Document& doc, const BufferContents& contents);

enum class PasteMode { Insert, Overlay };

// Puts the line buffer's text in at the cursor, which stays where it is.
// Whole lines go after the current line. A character mark's pieces go in at
// the cursor, the line being split there when there are several. A block's
// pieces go in at the cursor column, one a line from the current line
// down, lines being added at the end of the file as needed; a piece shorter
// than the block is widened with blanks when text follows it. Lines are
// padded with blanks up to the cursor column. Overlay: pieces replace the
// text they land on (a character mark's later pieces from column 0 of the
// lines below). A character or block mark that the cursor stands in keeps
// its place. False, with nothing changed, when mayPaste says no.
bool pasteBuffer(Engine& engine, Document& doc, PasteMode mode);

}  // namespace tarn
