// Saving modified files every few seconds (`set autosave n`).
#pragma once

namespace tarn {

struct Editor;

class Autosave {
 public:
  explicit Autosave(Editor& editor) : editor_(editor) {}
  ~Autosave();

  // n > 0 starts the one-second timer (if none runs) with an interval of n
  // seconds; 0 or less stops it.
  void setInterval(int seconds);
  int interval() const { return interval_; }
  bool running() const { return timer_ != 0; }

  // One tick of the one-second timer.
  void tick();

 private:
  void start();
  void stop();
  void saveModifiedFiles();

  Editor& editor_;
  int interval_ = 0;
  int timer_ = 0;
  long long firstTick_ = -1;  // whole seconds; -1 until the first tick after a start
};

}  // namespace tarn
