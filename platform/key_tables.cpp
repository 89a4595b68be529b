#include "platform/key_tables.h"

#include "platform/vk.h"

namespace tarn::keys {

namespace {

struct SymbolKey {
  char plain;
  char shifted;
  uint16_t vk;
};

// The US layout's keys that type symbols, digits included.
constexpr SymbolKey kSymbols[] = {
    {'1', '!', 0x31},          {'2', '@', 0x32},          {'3', '#', 0x33},
    {'4', '$', 0x34},          {'5', '%', 0x35},          {'6', '^', 0x36},
    {'7', '&', 0x37},          {'8', '*', 0x38},          {'9', '(', 0x39},
    {'0', ')', 0x30},          {';', ':', vk::kOem1},     {'=', '+', vk::kOemPlus},
    {',', '<', vk::kOemComma}, {'-', '_', vk::kOemMinus}, {'.', '>', vk::kOemPeriod},
    {'/', '?', vk::kOem2},     {'`', '~', vk::kOem3},     {'[', '{', vk::kOem4},
    {'\\', '|', vk::kOem5},    {']', '}', vk::kOem6},     {'\'', '"', vk::kOem7},
};

constexpr KeyName kEnter{vk::kReturn, U'\r'};
constexpr KeyName kTab{vk::kTab, U'\t'};
constexpr KeyName kBackspace{vk::kBack, U'\b'};
constexpr KeyName kEscape{vk::kEscape, U'\x1b'};

constexpr KeyName nav(uint16_t code) { return KeyName{code, 0, 0, true}; }
constexpr KeyName plain(uint16_t code) { return KeyName{code}; }
constexpr KeyName fkey(int n) { return KeyName{static_cast<uint16_t>(vk::kF1 + n - 1)}; }
constexpr KeyName keypad(uint16_t code, char32_t ch) { return KeyName{code, ch}; }

KeyName withMods(KeyName key, unsigned mods) {
  key.impliedMods |= mods;
  return key;
}

}  // namespace

KeyName textKey(char32_t ch) {
  if (ch >= 'a' && ch <= 'z') return {static_cast<uint16_t>(ch - 'a' + 'A'), ch, ch - 'a' + 'A'};
  if (ch >= 'A' && ch <= 'Z')
    return {static_cast<uint16_t>(ch), ch - 'A' + 'a', ch, false, mod::kShift};
  if (ch == ' ') return {vk::kSpace, ch};
  for (const SymbolKey& s : kSymbols) {
    if (ch == static_cast<char32_t>(s.plain)) return {s.vk, ch, static_cast<char32_t>(s.shifted)};
    if (ch == static_cast<char32_t>(s.shifted))
      return {s.vk, static_cast<char32_t>(s.plain), ch, false, mod::kShift};
  }
  return {0, ch};
}

KeyName controlByteKey(uint8_t byte) {
  switch (byte) {
    case 0x00: return withMods(textKey(' '), mod::kCtrl);
    case 0x09: return kTab;
    case 0x0D: return kEnter;
    case 0x1B: return kEscape;
    case 0x1C: return withMods(textKey('\\'), mod::kCtrl);
    case 0x1D: return withMods(textKey(']'), mod::kCtrl);
    case 0x1E: return withMods(textKey('6'), mod::kCtrl);
    case 0x1F: return withMods(textKey('-'), mod::kCtrl);
    case 0x7F: return kBackspace;
    default: break;
  }
  if (byte >= 0x01 && byte <= 0x1A) return withMods(textKey(U'a' + byte - 1), mod::kCtrl);
  return {};
}

std::optional<KeyName> cursorKey(char final) {
  switch (final) {
    case 'A': return nav(vk::kUp);
    case 'B': return nav(vk::kDown);
    case 'C': return nav(vk::kRight);
    case 'D': return nav(vk::kLeft);
    case 'H': return nav(vk::kHome);
    case 'F': return nav(vk::kEnd);
    case 'E': return plain(vk::kClear);
    case 'P': return fkey(1);
    case 'Q': return fkey(2);
    case 'R': return fkey(3);
    case 'S': return fkey(4);
    default: return std::nullopt;
  }
}

std::optional<KeyName> ss3Key(char final) {
  if (final >= 'p' && final <= 'y')
    return keypad(static_cast<uint16_t>(vk::kNumpad0 + (final - 'p')), U'0' + (final - 'p'));
  switch (final) {
    case 'j': return keypad(vk::kMultiply, U'*');
    case 'k': return keypad(vk::kAdd, U'+');
    case 'l': return keypad(vk::kSeparator, U',');
    case 'm': return keypad(vk::kSubtract, U'-');
    case 'n': return keypad(vk::kDecimal, U'.');
    case 'o': return KeyName{vk::kDivide, U'/', 0, true};
    case 'M': return KeyName{vk::kReturn, U'\r', 0, true};
    case 'X': return keypad(vk::kOemPlus, U'=');
    case 'a': return withMods(nav(vk::kUp), mod::kCtrl);
    case 'b': return withMods(nav(vk::kDown), mod::kCtrl);
    case 'c': return withMods(nav(vk::kRight), mod::kCtrl);
    case 'd': return withMods(nav(vk::kLeft), mod::kCtrl);
    default: return cursorKey(final);
  }
}

std::optional<KeyName> csiLetterKey(char final) {
  switch (final) {
    case 'a': return withMods(nav(vk::kUp), mod::kShift);
    case 'b': return withMods(nav(vk::kDown), mod::kShift);
    case 'c': return withMods(nav(vk::kRight), mod::kShift);
    case 'd': return withMods(nav(vk::kLeft), mod::kShift);
    case 'G': return plain(vk::kClear);
    case 'Z': return withMods(kTab, mod::kShift);
    default: return cursorKey(final);
  }
}

std::optional<KeyName> tildeKey(int number) {
  switch (number) {
    case 1: case 7: return nav(vk::kHome);
    case 2: return nav(vk::kInsert);
    case 3: return nav(vk::kDelete);
    case 4: case 8: return nav(vk::kEnd);
    case 5: return nav(vk::kPrior);
    case 6: return nav(vk::kNext);
    case 11: case 12: case 13: case 14: case 15: return fkey(number - 10);
    case 17: case 18: case 19: case 20: case 21: return fkey(number - 11);
    case 23: case 24: return fkey(number - 12);
    // rxvt's Shift+F3..F10
    case 25: case 26: return withMods(fkey(number - 22), mod::kShift);
    case 28: case 29: return withMods(fkey(number - 23), mod::kShift);
    case 31: case 32: case 33: case 34: return withMods(fkey(number - 24), mod::kShift);
    default: return std::nullopt;
  }
}

std::optional<KeyName> linuxFunctionKey(char final) {
  if (final >= 'A' && final <= 'E') return fkey(final - 'A' + 1);
  return std::nullopt;
}

std::optional<KeyName> kittyFunctionalKey(int code) {
  if (code >= 57376 && code <= 57387) return fkey(code - 57376 + 13);
  if (code >= 57399 && code <= 57408)
    return keypad(static_cast<uint16_t>(vk::kNumpad0 + code - 57399), U'0' + (code - 57399));
  switch (code) {
    case 27: return kEscape;
    case 13: return kEnter;
    case 9: return kTab;
    case 127: return kBackspace;
    case 57358: return plain(vk::kCapital);
    case 57359: return plain(vk::kScroll);
    case 57360: return nav(vk::kNumLock);
    case 57361: return nav(vk::kSnapshot);
    case 57362: return plain(vk::kPause);
    case 57363: return nav(vk::kApps);
    case 57409: return keypad(vk::kDecimal, U'.');
    case 57410: return KeyName{vk::kDivide, U'/', 0, true};
    case 57411: return keypad(vk::kMultiply, U'*');
    case 57412: return keypad(vk::kSubtract, U'-');
    case 57413: return keypad(vk::kAdd, U'+');
    case 57414: return KeyName{vk::kReturn, U'\r', 0, true};
    case 57415: return keypad(vk::kOemPlus, U'=');
    case 57416: return keypad(vk::kSeparator, U',');
    // The keypad's navigation keys (Num Lock off) are not the dedicated block.
    case 57417: return plain(vk::kLeft);
    case 57418: return plain(vk::kRight);
    case 57419: return plain(vk::kUp);
    case 57420: return plain(vk::kDown);
    case 57421: return plain(vk::kPrior);
    case 57422: return plain(vk::kNext);
    case 57423: return plain(vk::kHome);
    case 57424: return plain(vk::kEnd);
    case 57425: return plain(vk::kInsert);
    case 57426: return plain(vk::kDelete);
    case 57427: return plain(vk::kClear);
    case 57441: case 57447: return plain(vk::kShift);
    case 57442: return plain(vk::kControl);
    case 57448: return nav(vk::kControl);
    case 57443: return plain(vk::kMenu);
    case 57449: return nav(vk::kMenu);
    case 57444: return nav(vk::kLWin);
    case 57450: return nav(vk::kRWin);
    default: return std::nullopt;
  }
}

uint8_t controlCharacter(const KeyName& key) {
  if (key.vk >= 'A' && key.vk <= 'Z') return static_cast<uint8_t>(key.vk - 'A' + 1);
  switch (key.vk) {
    case vk::kReturn: return 0x0A;
    case vk::kBack: return 0x7F;
    case vk::kEscape: return 0x1B;
    case vk::kOem4: return 0x1B;
    case vk::kOem5: return 0x1C;
    case vk::kOem6: return 0x1D;
    case 0x36: return 0x1E;
    case vk::kOemMinus: return 0x1F;
    default: return 0;
  }
}

}  // namespace tarn::keys
