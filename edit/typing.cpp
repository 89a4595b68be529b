// Typing one character at the cursor.
#include <string>

#include "core/editor.h"
#include "core/options.h"
#include "edit/block_mark_replacement.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/line_breaks.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"
#include "edit/word_wrap.h"

namespace tarn::handler {

namespace {

// Argument 2 bit: the character is typed as it is (a carriage return or
// line feed does not break the line, a tab is not expanded).
constexpr intptr_t kLiteral = 0x80;

// A tab in a file that does not keep tabs: fill characters up to the next
// tab stop (one when none lies ahead within the longest line).
void typeExpandedTab(EngineCall& call, size_t at) {
  Document& doc = call.doc;
  int stop = nextTabStop(call.engine.tabStops(), doc.cursorColumn);
  int fill = stop < 0 || stop >= longestLine(doc) ? 1 : stop - doc.cursorColumn;
  doc.insertCharacters(*doc.current, static_cast<uint32_t>(at),
                       std::string(fill, static_cast<char>(doc.option(opt::kTabFill))));
  doc.cursorColumn += fill;
}

void typeByte(EngineCall& call, size_t at, char byte, bool insert) {
  Document& doc = call.doc;
  Line& line = *doc.current;
  if (insert || at >= line.length)
    doc.insertCharacters(line, static_cast<uint32_t>(at), std::string_view(&byte, 1));
  else
    doc.replaceCharacters(line, static_cast<uint32_t>(at), std::string_view(&byte, 1));
  doc.cursorColumn = columnOf(line.view(), at + 1, columnRule(call));
}

}  // namespace

int typeCharacter(EngineCall& call) {
  Document& doc = call.doc;
  if (call.arg1 < 1 || call.arg1 > 255) return 0;
  if (doc.isReadOnly()) return refuseChange(call);
  removeBlockMarkFirst(call);
  if (doc.cursorColumn + 1 >= longestLine(doc)) return 0;
  char byte = static_cast<char>(call.arg1);
  bool literal = call.arg2 & kLiteral;
  if (!literal && (byte == '\r' || byte == '\n')) return breakLine(call, true);
  if (!mayEditCurrent(doc)) return refuseChange(call);

  Line& line = *doc.current;
  TextPosition at = positionAt(line.view(), doc.cursorColumn, columnRule(call));
  if (at.beyond > 0) {
    padLine(doc, line, line.length + at.beyond);
    at.index = line.length;
  }
  bool tab = byte == '\t' && !literal;
  if (tab && !doc.option(opt::kKeepTabs))
    typeExpandedTab(call, at.index);
  else
    typeByte(call, at.index, byte, tab || doc.option(opt::kInsertMode));  // a tab never types over

  if (doc.option(opt::kWordWrap)) wrapAfterTyping(call);
  return 1;
}

}  // namespace tarn::handler
