#include "core/modifier_state.h"

#include "platform/vk.h"

namespace tarn {

bool keyStateMatches(KeyState word, uint32_t s, bool scrollLockOn) {
  bool shift = s & keystate::kShift;
  bool ctrl = s & keystate::kAnyCtrl;
  bool alt = s & keystate::kAnyAlt;
  bool none = !shift && !ctrl && !alt;
  switch (word) {
    case KeyState::ScrollLockOn:
      return none && scrollLockOn;
    case KeyState::ScrollLockOff:
      return none && !scrollLockOn;
    case KeyState::Shift:
      return shift && !ctrl && !alt;
    case KeyState::Control:
      return ctrl && !shift && !alt;
    case KeyState::Alt:
      return alt && !shift && !ctrl;
    case KeyState::Off:
      return false;
  }
  return false;
}

}  // namespace tarn
