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

}  // namespace tarn
