#include "core/key_classifier.h"

#include "platform/vk.h"

namespace tarn {

namespace {

bool isAsciiLetter(uint8_t ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }
bool isAsciiDigit(uint8_t ch) { return ch >= '0' && ch <= '9'; }

bool isOemPunctuationKey(uint16_t vk) {
  return (vk >= 186 && vk <= 192) || (vk >= 219 && vk <= 222);
}

// Keys that keep their Ctrl or Alt class under AltGr: they type nothing on
// any layout, so a definition is what the user means.
bool keepsClassUnderAltGr(uint16_t vk) {
  return vk == vk::kClear || (vk >= vk::kPrior && vk <= vk::kDown) || vk == vk::kInsert ||
         (vk >= vk::kNumpad0 && vk <= vk::kNumpad0 + 9) || vk == vk::kAdd || vk == vk::kSubtract ||
         (vk >= vk::kF1 && vk <= vk::kF1 + 11);
}

int modifierClass(uint32_t s, bool letter, ClassRules rules) {
  using namespace keystate;
  bool shift = s & kShift;
  bool ctrl = s & kAnyCtrl;
  bool alt = s & kAnyAlt;
  bool caps = s & kCapsLock;
  if (((s & kLeftAlt) && (s & kLeftCtrl)) || ((s & kRightAlt) && (s & kRightCtrl))) return 5;
  if (ctrl && shift) return 4;
  if (rules == ClassRules::Main && alt && (shift || caps)) return 3;
  if (shift) return letter && caps ? 0 : 1;
  if (ctrl) return 2;
  if (alt) return 3;
  return letter && caps ? 1 : 0;
}

}  // namespace

bool isModifierKey(uint16_t vk) {
  return (vk >= vk::kShift && vk <= vk::kCapital) || vk == vk::kNumLock || vk == vk::kScroll ||
         (vk >= vk::kLShift && vk <= vk::kRMenu);
}

bool isAltKey(uint16_t vk) { return vk == vk::kMenu || vk == vk::kLMenu || vk == vk::kRMenu; }

bool isBareWindowsKey(const KeyEventRecord& key, bool appsKeyToo) {
  uint16_t vk = key.virtualKeyCode;
  bool windowsKey = vk == vk::kLWin || vk == vk::kRWin || (appsKeyToo && vk == vk::kApps);
  // Lock states say nothing about what is held down.
  uint32_t held =
      key.controlKeyState & ~(keystate::kNumLock | keystate::kScrollLock | keystate::kCapsLock);
  return windowsKey && held == keystate::kEnhanced;
}

int keyClassOf(const KeyEventRecord& key, ClassRules rules) {
  int keyClass = modifierClass(key.controlKeyState, isAsciiLetter(key.character), rules);
  // AltGr: a right-Alt combination that produces a character types it.
  if (keyClass > 1 && (key.controlKeyState & keystate::kRightAlt) &&
      !isAsciiLetter(key.character) && !isAsciiDigit(key.character) &&
      !isOemPunctuationKey(key.virtualKeyCode) && !keepsClassUnderAltGr(key.virtualKeyCode))
    keyClass = 0;
  return keyClass;
}

int altKeypadDigit(uint16_t vk) {
  if (vk >= vk::kNumpad0 && vk <= vk::kNumpad0 + 9) return vk - vk::kNumpad0;
  // The navigation keys by the digit they share a keypad key with.
  constexpr uint16_t kByDigit[] = {vk::kInsert, vk::kEnd,   vk::kDown, vk::kNext, vk::kLeft,
                                   vk::kClear,  vk::kRight, vk::kHome, vk::kUp,   vk::kPrior};
  for (int digit = 0; digit < 10; ++digit)
    if (kByDigit[digit] == vk) return digit;
  return -1;
}

bool isReadKeyWithoutCharacter(uint16_t vk) {
  return vk == vk::kClear || (vk >= vk::kPrior && vk <= vk::kDelete) ||
         (vk >= vk::kLWin && vk <= vk::kApps) || (vk >= vk::kNumpad0 && vk <= vk::kF24);
}

bool AltKeypad::keyDown(int keyClass, uint16_t vk) {
  if (keyClass != 3) return false;
  int digit = altKeypadDigit(vk);
  if (digit < 0) {
    value_ = 0;
    return false;
  }
  value_ = (value_ * 10 + digit) % 256;
  return true;
}

int AltKeypad::altReleased() {
  int code = value_;
  value_ = 0;
  return code;
}

}  // namespace tarn
