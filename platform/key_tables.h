// What the terminal's key numbers and characters name: virtual-key code,
// the character the key types and whether it sits in the dedicated
// navigation block. The tables assume a US keyboard where the terminal
// reports characters rather than keys.
#pragma once
#include <cstdint>
#include <optional>

namespace tarn::keys {

// Modifier bits as terminals number them (the parameter less one).
namespace mod {
constexpr unsigned kShift = 1;
constexpr unsigned kAlt = 2;
constexpr unsigned kCtrl = 4;
constexpr unsigned kSuper = 8;
constexpr unsigned kHyper = 16;
constexpr unsigned kMeta = 32;
constexpr unsigned kCapsLock = 64;
constexpr unsigned kNumLock = 128;
}  // namespace mod

struct KeyName {
  uint16_t vk = 0;
  char32_t text = 0;     // what the key types without Shift (letters lower case); 0 for none
  char32_t shifted = 0;  // what it types with Shift; 0 when that is no different
  bool enhanced = false;
  unsigned impliedMods = 0;  // modifiers the sequence itself stands for (CSI Z is Shift+Tab)
};

// A typed character: its key on a US keyboard (upper case letters and
// shifted symbols imply Shift); characters without a key get vk 0.
KeyName textKey(char32_t ch);
// C0 control bytes and DEL as they arrive without a protocol.
KeyName controlByteKey(uint8_t byte);
// Final byte of CSI 1;m X and SS3 X forms shared by both (arrows, Home, End, F1-F4, keypad 5).
std::optional<KeyName> cursorKey(char final);
// SS3 forms of the keypad in application mode, and rxvt's Ctrl+arrows.
std::optional<KeyName> ss3Key(char final);
// rxvt's Shift+arrows (CSI a..d) and Shift+Tab (CSI Z).
std::optional<KeyName> csiLetterKey(char final);
// CSI n ~ numbers (also rxvt's $ ^ @ forms).
std::optional<KeyName> tildeKey(int number);
// Linux console F1-F5: CSI [ A..E.
std::optional<KeyName> linuxFunctionKey(char final);
// kitty key codes of keys that are not text (Esc, Enter, keypad, modifiers, F13...).
std::optional<KeyName> kittyFunctionalKey(int code);

// The character a key types with Ctrl held (Ctrl+A 0x01, Ctrl+Enter 0x0A ...), 0 for none.
uint8_t controlCharacter(const KeyName& key);

}  // namespace tarn::keys
