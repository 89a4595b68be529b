// Key codes: the form a key is stored under in key definitions. A key that
// types a character keeps its virtual-key code; a key that types none gets
// kNoCharacterFlag added, so that for example Page Up (0x21) and '!' (0x21)
// stay apart.
#pragma once

namespace tarn::keycode {

constexpr int kNoCharacterFlag = 0x1000;

// Tab, keypad 5, the modifier and lock keys, the page, arrow, home, end,
// print-screen, insert and delete keys, keypad plus and minus, F1 to F24,
// Num Lock and Scroll Lock.
constexpr bool producesNoCharacter(int vk) {
  return vk == 9 || vk == 12 || (vk >= 16 && vk <= 20) || (vk >= 33 && vk <= 46) || vk == 107 ||
         vk == 109 || (vk >= 112 && vk <= 135) || vk == 144 || vk == 145;
}

constexpr int fromVirtualKey(int vk) { return producesNoCharacter(vk) ? vk + kNoCharacterFlag : vk; }

}  // namespace tarn::keycode
