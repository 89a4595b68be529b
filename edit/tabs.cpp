// The Tab and Backtab keys: to the next or previous typing tab stop; with
// `tabinsert` in insert mode they also insert or remove text.
#include "core/engine.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"

namespace tarn::handler {

namespace {

bool insertsTabs(const Document& doc) {
  return doc.option(opt::kTabInsert) && doc.option(opt::kInsertMode);
}

}  // namespace

int tab(EngineCall& call) {
  Document& doc = call.doc;
  if (insertsTabs(doc)) {
    EngineCall typed = call;
    typed.arg1 = '\t';
    typed.arg2 = 0;
    return typeCharacter(typed);
  }
  int stop = nextTabStop(call.engine.tabStops(), doc.cursorColumn);
  if (stop < 0 || stop >= longestLine(doc)) return 0;
  doc.cursorColumn = stop;
  return 1;
}

int backtab(EngineCall& call) {
  Document& doc = call.doc;
  int old = doc.cursorColumn;
  if (old <= 0) return 0;
  int stop = previousTabStop(call.engine.tabStops(), old);
  if (stop < 0) stop = 0;
  if (insertsTabs(doc) && mayEditCurrent(doc)) {
    // The text between the stop and the old column goes.
    Line& line = *doc.current;
    ColumnRule rule = columnRule(call);
    size_t from = positionAt(line.view(), stop, rule).index;
    size_t to = positionAt(line.view(), old, rule).index;
    if (to > from) doc.deleteCharacters(line, static_cast<uint32_t>(from), static_cast<uint32_t>(to - from));
  }
  doc.cursorColumn = stop;
  return 1;
}

}  // namespace tarn::handler
