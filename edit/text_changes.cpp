#include "edit/text_changes.h"

#include <string>

#include "core/editor.h"

namespace tarn {

bool mayEditCurrent(const Document& doc) {
  return !doc.isReadOnly() && doc.current && !doc.isSentinel(doc.current);
}

int refuseChange(const EngineCall& call) {
  if (!call.editor) return 0;
  const Document& doc = call.doc;
  Screen& screen = call.editor->screen;
  screen.beep();
  if (doc.isReadOnly()) {
    screen.note("Impossible to change a read only file!");
  } else if (doc.current == doc.first) {
    screen.note("Impossible to change the top of file line!");
  } else if (doc.current == doc.last) {
    screen.note("Impossible to change the bottom of file line!");
  }
  return 0;
}

Document* changeableMarkHolder(const EngineCall& call) {
  Document* holder = call.engine.marks().holder();
  if (!holder || !holder->isReadOnly()) return holder;
  refuseChange(EngineCall{call.engine, call.editor, *holder, call.code, 0, 0, 1});
  return nullptr;
}

void padLine(Document& doc, Line& line, size_t n) {
  if (n <= line.length) return;
  doc.insertCharacters(line, line.length, std::string(n - line.length, ' '));
}

void joinNextLine(Document& doc, Line& line) {
  Line* next = line.next();
  doc.insertCharacters(line, line.length, next->view());
  doc.deleteLine(next);
}

void deleteCurrentLine(Document& doc) {
  if (doc.isCommandLine()) {  // its one line stays, emptied
    doc.deleteCharacters(*doc.current, 0, doc.current->length);
    return;
  }
  doc.deleteLine(doc.current);
  if (doc.current == doc.last) {
    doc.current = doc.current->prev();
    --doc.currentLineNumber;
  }
}

}  // namespace tarn
