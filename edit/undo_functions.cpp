// undo and redo, and the queries the menus ask before offering them.
#include "core/editor.h"
#include "edit/handlers.h"
#include "edit/text_changes.h"

namespace tarn::handler {

int undo(EngineCall& call) {
  if (call.doc.isReadOnly()) return refuseChange(call);
  UndoLog* log = call.doc.undoLog();
  if (log && log->undo(call.doc)) return 1;
  if (call.editor) call.editor->screen.beep();
  return 0;
}

int redo(EngineCall& call) {
  if (call.doc.isReadOnly()) return 0;
  UndoLog* log = call.doc.undoLog();
  return log && log->redo(call.doc) ? 1 : 0;
}

int canUndo(EngineCall& call) {
  const UndoLog* log = call.doc.undoLog();
  return log && log->canUndo(call.doc) ? 1 : 0;
}

int canRedo(EngineCall& call) {
  const UndoLog* log = call.doc.undoLog();
  return log && log->canRedo() ? 1 : 0;
}

}  // namespace tarn::handler
