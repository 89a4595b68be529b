// Terminals report presses but no double clicks: a second left press at the
// same cell soon after the first is marked as one, as the console would.
#pragma once
#include <chrono>
#include <optional>

#include "platform/console.h"

namespace tarn {

class ClickTracker {
 public:
  using Clock = std::chrono::steady_clock;

  explicit ClickTracker(std::chrono::milliseconds interval = std::chrono::milliseconds(500))
      : interval_(interval) {}

  // Sets mousestate::kDoubleClick on the record when it completes a double click.
  void apply(MouseEventRecord& mouse, Clock::time_point now);

 private:
  std::chrono::milliseconds interval_;
  uint32_t buttons_ = 0;  // held at the last report
  std::optional<Clock::time_point> firstPress_;  // of a click that may become double
  int column_ = 0;
  int row_ = 0;
};

}  // namespace tarn
