// Bookmarks a to z: set, go to and remove.
#include "core/editor.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"

namespace tarn::handler {

namespace {

constexpr std::string_view kAskLetter = "Press the bookmark key (A-Z) or ESC to exit";
constexpr std::string_view kNoBookmark = "Bookmark not exist";

// Argument 1 of bookmark remove: every bookmark.
constexpr intptr_t kAll = -1;

// The bookmark the letter of argument 1 names (asked for when it is 0), or
// null for Escape or a key that is no letter.
Bookmark* bookmarkOf(EngineCall& call) {
  intptr_t letter = call.arg1;
  if (letter == 0) {
    if (!call.editor) return nullptr;
    call.editor->screen.message(kAskLetter);
    letter = call.editor->input.readKey();
    call.editor->screen.clearMessage();
  }
  if (letter >= 'A' && letter <= 'Z') letter += 'a' - 'A';
  if (letter < 'a' || letter > 'z') return nullptr;
  return &call.doc.bookmarks[letter - 'a'];
}

// The line's index, searched for from the end of the file nearer to the
// index it had when the bookmark was set; 0 when it is not in the file.
LineIndex numberOf(const Document& doc, const Bookmark& mark) {
  if (mark.lineNumber.value() > doc.lineCount / 2) {
    LineIndex n = doc.lastIndex();
    for (const Line* line = doc.last; line; line = line->prev(), --n)
      if (line == mark.line) return n;
  } else {
    LineIndex n = kFirstLine;
    for (const Line* line = doc.first; line; line = line->next(), ++n)
      if (line == mark.line) return n;
  }
  return LineIndex();
}

}  // namespace

int bookmarkSet(EngineCall& call) {
  Bookmark* mark = bookmarkOf(call);
  if (!mark) return 0;
  Document& doc = call.doc;
  *mark = Bookmark{doc.current, doc.cursorColumn, doc.currentLineNumber};
  return 1;
}

int bookmarkGoto(EngineCall& call) {
  Bookmark* mark = bookmarkOf(call);
  if (!mark) return 0;
  Document& doc = call.doc;
  LineIndex number = mark->isSet() ? numberOf(doc, *mark) : LineIndex();
  if (number == LineIndex()) {
    if (call.editor) {
      call.editor->screen.message(kNoBookmark);
      call.editor->screen.beep();
    }
    return 0;
  }
  mark->lineNumber = number;
  moveCursorTo(doc, mark->line, number);
  doc.cursorColumn = mark->column;
  return 1;
}

int bookmarkRemove(EngineCall& call) {
  if (call.arg1 == kAll) {
    call.doc.bookmarks.fill(Bookmark{});
    return 1;
  }
  Bookmark* mark = bookmarkOf(call);
  if (!mark) return 0;
  *mark = Bookmark{};
  return 1;
}

}  // namespace tarn::handler
