#include "platform/click_tracker.h"

#include <gtest/gtest.h>

#include "platform/vk.h"

namespace tarn {
namespace {

using namespace std::chrono_literals;

struct Step {
  int ms;  // since the start
  int column;
  uint32_t buttons;
  uint32_t flags;
  bool doubleClick;
};

void run(const std::vector<Step>& steps, const char* name) {
  ClickTracker tracker;
  ClickTracker::Clock::time_point start{};
  for (size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    MouseEventRecord m{s.column, 3, s.buttons, 0, s.flags};
    tracker.apply(m, start + std::chrono::milliseconds(s.ms));
    EXPECT_EQ((m.eventFlags & mousestate::kDoubleClick) != 0, s.doubleClick) << name << " step " << i;
  }
}

constexpr uint32_t L = mousestate::kLeftButton;
constexpr uint32_t R = mousestate::kRightButton;

TEST(ClickTracker, SecondLeftPressAtTheSameCellSoonIsADoubleClick) {
  run({{0, 5, L, 0, false}, {80, 5, 0, 0, false}, {200, 5, L, 0, true}, {260, 5, 0, 0, false}},
      "double");
  run({{0, 5, L, 0, false}, {80, 5, 0, 0, false}, {700, 5, L, 0, false}}, "too slow");
  run({{0, 5, L, 0, false}, {80, 5, 0, 0, false}, {200, 6, L, 0, false}}, "another cell");
  run({{0, 5, L, 0, false}, {50, 5, 0, 0, false}, {100, 5, L, 0, true}, {150, 5, 0, 0, false},
       {200, 5, L, 0, false}},
      "third press starts over");
  run({{0, 5, L, 0, false}, {50, 5, L, mousestate::kMoved, false}, {100, 5, 0, 0, false},
       {150, 5, L | R, 0, true}},
      "moves and other buttons do not count as presses");
  run({{0, 5, R, 0, false}, {50, 5, 0, 0, false}, {100, 5, R, 0, false}}, "right button");
}

}  // namespace
}  // namespace tarn
