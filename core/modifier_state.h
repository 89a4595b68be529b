// Whether a key event is in the modifier state that a setting names
// (historyon, expandon, autocompleteon, markon).
#pragma once
#include <cstdint>

#include "core/settings.h"

namespace tarn {

// scrollLockOn: the Scroll Lock toggle as the editor knows it (terminals do
// not report it, so the input side keeps it).
bool keyStateMatches(KeyState word, uint32_t controlKeyState, bool scrollLockOn);

}  // namespace tarn
