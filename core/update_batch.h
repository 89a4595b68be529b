// Screen updates held back over a run of engine calls, unless a batch is
// already open: the screen is brought up to date once, when the run ends,
// and the run undoes as one step.
#pragma once

namespace tarn {

struct Editor;

class UpdateBatch {
 public:
  explicit UpdateBatch(Editor& editor);
  ~UpdateBatch();
  UpdateBatch(const UpdateBatch&) = delete;
  UpdateBatch& operator=(const UpdateBatch&) = delete;

 private:
  Editor& editor_;
  bool opened_;
};

// A prompt shows the screen as it stands: updates held back by a batch are
// painted before it asks, and held back again once it has its answer.
class UpdatesShown {
 public:
  explicit UpdatesShown(Editor& editor);
  ~UpdatesShown();
  UpdatesShown(const UpdatesShown&) = delete;
  UpdatesShown& operator=(const UpdatesShown&) = delete;

 private:
  Editor& editor_;
  bool held_;
};

}  // namespace tarn
