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
int cutLines(EngineCall& call);
int dupLine(EngineCall& call);

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

// case_changes.cpp
int changeCase(EngineCall& call);

// undo_functions.cpp
int undo(EngineCall& call);
int redo(EngineCall& call);
int canUndo(EngineCall& call);
int canRedo(EngineCall& call);

// control_messages.cpp: the edit-control style messages
int keyDown(EngineCall& call);       // argument 1 virtual-key code, 2 repeat count
int character(EngineCall& call);     // argument 1 the byte, 2 repeat count
int pointerPress(EngineCall& call);  // argument 1 column, 2 row within the window

}  // namespace tarn::handler
