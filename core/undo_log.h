// What the text store tells the undo log. The undo ring fills it in; until
// then a document's log records nothing.
#pragma once

namespace tarn {

struct Document;
struct Line;

class UndoLog {
 public:
  virtual ~UndoLog() = default;
  // A step of the editing engine begins; the redo history is dropped unless
  // the function is undo or redo.
  virtual void beginStep(int code) = 0;
  virtual void endStep() = 0;
  virtual void lineInserted(Document& doc, Line& line) = 0;
};

}  // namespace tarn
