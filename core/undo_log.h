// The undo log of a document follows its text as a change observer and is
// told by the engine where each step begins and ends. The undo ring fills it
// in; until then a document's log records nothing.
#pragma once
#include "core/change_observer.h"

namespace tarn {

class UndoLog : public ChangeObserver {
 public:
  // A step of the editing engine begins; the redo history is dropped unless
  // the function is undo or redo.
  virtual void beginStep(int code) = 0;
  virtual void endStep() = 0;
};

}  // namespace tarn
