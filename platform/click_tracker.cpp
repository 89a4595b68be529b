#include "platform/click_tracker.h"

#include "platform/vk.h"

namespace tarn {

void ClickTracker::apply(MouseEventRecord& mouse, Clock::time_point now) {
  if (mouse.eventFlags & mousestate::kWheeled) return;
  uint32_t buttons = mouse.buttonState & 0xFFFF;
  bool leftPress = !(mouse.eventFlags & mousestate::kMoved) && (buttons & mousestate::kLeftButton) &&
                   !(buttons_ & mousestate::kLeftButton);
  buttons_ = buttons;
  if (!leftPress) return;
  if (firstPress_ && now - *firstPress_ <= interval_ && mouse.column == column_ && mouse.row == row_) {
    mouse.eventFlags |= mousestate::kDoubleClick;
    firstPress_.reset();  // a third press starts over
    return;
  }
  firstPress_ = now;
  column_ = mouse.column;
  row_ = mouse.row;
}

}  // namespace tarn
