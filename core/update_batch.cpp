#include "core/update_batch.h"

#include "core/editor.h"

namespace tarn {

UpdateBatch::UpdateBatch(Editor& editor) : editor_(editor), opened_(!editor.engine.updatesSuspended()) {
  if (opened_) editor_.engine.send(editor_.currentView(), msg::kSuspendUpdates, 1);
}

// The view is looked up again: the run may have made another one current.
UpdateBatch::~UpdateBatch() {
  if (opened_) editor_.engine.send(editor_.currentView(), msg::kSuspendUpdates, 0);
}

UpdatesShown::UpdatesShown(Editor& editor) : editor_(editor), held_(editor.engine.updatesSuspended()) {
  if (held_) editor_.engine.send(editor_.currentView(), msg::kSuspendUpdates, 0);
}

UpdatesShown::~UpdatesShown() {
  if (held_) editor_.engine.send(editor_.currentView(), msg::kSuspendUpdates, 1);
}

}  // namespace tarn
