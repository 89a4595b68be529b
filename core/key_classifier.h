// Turning a key record into the key class and key code that definitions are
// stored under, and the Alt-keypad accumulator. Pure: no console, no editor.
#pragma once
#include <cstdint>

#include "platform/console.h"

namespace tarn {

// The line reader of prompts lacks the Shift-with-Alt and Caps-Lock-with-Alt
// rule of the main reader.
enum class ClassRules { Main, LineReader };

// Shift, Ctrl, Alt (either side), Pause, Caps Lock, Num Lock and Scroll Lock:
// keys that only change the state of others.
bool isModifierKey(uint16_t vk);
bool isAltKey(uint16_t vk);

// The left or right Windows key (or, with appsKeyToo, the application key)
// pressed with nothing but the enhanced flag: ignored by the readers.
bool isBareWindowsKey(const KeyEventRecord& key, bool appsKeyToo);

// Key class 0..5 (none, s-, c-, a-, u-, x-) with Caps Lock and AltGr applied.
int keyClassOf(const KeyEventRecord& key, ClassRules rules = ClassRules::Main);

// The digit a key stands for while Alt builds a character code: keypad
// digits and the navigation keys by their keypad position; -1 for others.
int altKeypadDigit(uint16_t vk);

// Keys for which the single-key reader returns the virtual-key code times
// 256 unless the record carries a character.
bool isReadKeyWithoutCharacter(uint16_t vk);

// Alt held with keypad digits builds a character code, typed when Alt goes up.
class AltKeypad {
 public:
  // A classified key-down; true when it was taken as a digit. Any other key
  // of class 3 clears the value.
  bool keyDown(int keyClass, uint16_t vk);
  // Alt went up: the character code built (0 when none) and a fresh start.
  int altReleased();
  int value() const { return value_; }

 private:
  int value_ = 0;  // kept modulo 256: only the character byte counts
};

}  // namespace tarn
