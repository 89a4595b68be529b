// The handlers of the editing functions, one family per source file. Each
// takes the call (document, arguments, repeat count) and returns nonzero on
// success, 0 when it cannot act.
#pragma once
#include "core/engine_types.h"

namespace tarn::handler {

// cursor_moves.cpp
int up(EngineCall& call);
int down(EngineCall& call);
int left(EngineCall& call);
int right(EngineCall& call);
int beginLine(EngineCall& call);
int endLine(EngineCall& call);
int top(EngineCall& call);
int bottom(EngineCall& call);
int topEdge(EngineCall& call);
int bottomEdge(EngineCall& call);
int firstNonblank(EngineCall& call);
int column(EngineCall& call);    // argument 1: the column, from 0
int gotoLine(EngineCall& call);  // argument 1 = 1, argument 2: the line, from 1

// word_moves.cpp
int tabWord(EngineCall& call);
int backtabWord(EngineCall& call);
int beginWord(EngineCall& call);
int endWord(EngineCall& call);

// paragraph_moves.cpp
int findBlankLine(EngineCall& call);
int nextParagraph(EngineCall& call);
int previousParagraph(EngineCall& call);

// page_moves.cpp
int pageDown(EngineCall& call);
int pageUp(EngineCall& call);

// scrolling.cpp
int scrollVertical(EngineCall& call);    // argument 1: lines, negative upwards
int scrollHorizontal(EngineCall& call);  // argument 1: columns, negative leftwards
int centerLine(EngineCall& call);

// margins.cpp
int leftMargin(EngineCall& call);
int rightMargin(EngineCall& call);
int paragraphMargin(EngineCall& call);
int indent(EngineCall& call);

// tabs.cpp
int tab(EngineCall& call);
int backtab(EngineCall& call);

// typing.cpp: argument 1 the byte, argument 2 bit 0x80 literal
int typeCharacter(EngineCall& call);

// line_edits.cpp
int insertLine(EngineCall& call);
int appendLine(EngineCall& call);
int split(EngineCall& call);
int join(EngineCall& call);
int deleteLine(EngineCall& call);

// deletions.cpp
int deleteChar(EngineCall& call);  // argument 1 = 1: join at the end of the line
int rubout(EngineCall& call);      // argument 1 = 1: join at column 0
int deleteWord(EngineCall& call);
int eraseEndLine(EngineCall& call);
int eraseBeginLine(EngineCall& call);

// match_brace.cpp
int matchBrace(EngineCall& call);

// bookmarks.cpp: argument 1 the letter, 0 to ask for it; -1 removes all
int bookmarkSet(EngineCall& call);
int bookmarkGoto(EngineCall& call);
int bookmarkRemove(EngineCall& call);

// insert_mode.cpp: argument 1: 0 toggle, 1 insert, 2 replace
int setInsertMode(EngineCall& call);

// mark_functions.cpp
int markLine(EngineCall& call);
int toggleLineMark(EngineCall& call);
int markChar(EngineCall& call);
int markBlock(EngineCall& call);
int getWord(EngineCall& call);
int unmark(EngineCall& call);
int beginMark(EngineCall& call);
int endMark(EngineCall& call);
int getMark(EngineCall& call);  // argument 2: the MarkRecord to fill
int setMark(EngineCall& call);  // argument 2: the MarkRecord to set

// block_functions.cpp
int copyMark(EngineCall& call);
int moveMark(EngineCall& call);
int overlayBlock(EngineCall& call);
int deleteMark(EngineCall& call);
int cutLines(EngineCall& call);
int copyLines(EngineCall& call);
int dupLine(EngineCall& call);

// mark_fill_shift.cpp
int fillMark(EngineCall& call);  // argument 1: the character, 0 to ask for it
int shiftLeft(EngineCall& call);
int shiftRight(EngineCall& call);

// case_changes.cpp
int changeCase(EngineCall& call);

// locate.cpp: argument 2 a SearchRequest (core/search_request.h)
int locateForward(EngineCall& call);
int locateBackward(EngineCall& call);
int findInText(EngineCall& call);      // argument 1 the length, 2 the text
int lastSearchText(EngineCall& call);  // argument 2 the buffer

// change_engine.cpp: argument 2 a SearchRequest; the result is the number of changes
int changeForward(EngineCall& call);
int changeBackward(EngineCall& call);
int repeatChangeSearch(EngineCall& call);
// blank_trims.cpp: argument 1 the trim bits; argument 2 a std::string to
// trim instead of the file's mark or current line
int trim(EngineCall& call);

// reformat.cpp: argument 1 = 1 the line-marked lines
int reformatParagraph(EngineCall& call);
int reformatAll(EngineCall& call);

// justifying.cpp
int justifyLine(EngineCall& call);
int justifyParagraph(EngineCall& call);
int justifyAll(EngineCall& call);

// centring.cpp
int centerInMargins(EngineCall& call);

// alignment.cpp
int align(EngineCall& call);
int alignMark(EngineCall& call);
int alignTab(EngineCall& call);
int alignBacktab(EngineCall& call);
int markTab(EngineCall& call);
int markBacktab(EngineCall& call);
int alignBlock(EngineCall& call);

// create_table.cpp
int createTable(EngineCall& call);

// line_sort.cpp: argument 1 the sort bits, argument 2 the key columns (0:
// a character or block mark's columns)
int sortLines(EngineCall& call);
// keystroke_macros.cpp: macro play honours the repeat count
int macroDefine(EngineCall& call);
int macroPlay(EngineCall& call);
int macroPause(EngineCall& call);
// clipboard_copy.cpp
int copyToClipboard(EngineCall& call);  // argument 1: clipbits::
int cut(EngineCall& call);              // the mark deleted once the dispatcher copied it

// clipboard_paste.cpp: argument 1 pasteflag:: bits
int pasteText(EngineCall& call);  // argument 2: a std::string_view of the text
int copyFromClipboard(EngineCall& call);
// undo_functions.cpp
int undo(EngineCall& call);
int redo(EngineCall& call);
int canUndo(EngineCall& call);
int canRedo(EngineCall& call);

// control_messages.cpp: the edit-control style messages
int keyDown(EngineCall& call);       // argument 1 virtual-key code, 2 repeat count
int character(EngineCall& call);     // argument 1 the byte, 2 repeat count
int pointerPress(EngineCall& call);  // argument 1 column, 2 row within the window
int pointerDoubleClick(EngineCall& call);  // the same, then the word there is marked

}  // namespace tarn::handler
