// A run of engine calls that undoes as one step: a function string, the
// functions of a key's definition. Unlike a batch it leaves the screen
// painting as it goes, so that a question asked on the way is seen.
// Groups nest inside each other and inside batches; the outermost one
// closes the step.
#pragma once
#include "core/engine.h"

namespace tarn {

class UndoGroup {
 public:
  explicit UndoGroup(Engine& engine) : engine_(engine) { engine_.beginUndoGroup(); }
  ~UndoGroup() { engine_.endUndoGroup(); }
  UndoGroup(const UndoGroup&) = delete;
  UndoGroup& operator=(const UndoGroup&) = delete;

 private:
  Engine& engine_;
};

}  // namespace tarn
