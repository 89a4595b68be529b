#include "core/key_classifier.h"

#include <gtest/gtest.h>

#include "core/key_code.h"
#include "platform/vk.h"

namespace tarn {
namespace {

using namespace keystate;

KeyEventRecord key(uint16_t vk, uint8_t ch, uint32_t state) {
  KeyEventRecord k;
  k.virtualKeyCode = vk;
  k.character = ch;
  k.controlKeyState = state;
  return k;
}

TEST(KeyClassifier, ClassAndCodeOfKeyRecords) {
  struct Case {
    const char* what;
    uint16_t vk;
    uint8_t ch;
    uint32_t state;
    int keyClass;
    int keyCode;
  };
  const Case cases[] = {
      {"plain letter", 'A', 'a', 0, 0, 'A'},
      {"shifted letter", 'A', 'A', kShift, 1, 'A'},
      {"ctrl letter", 'A', 0x01, kLeftCtrl, 2, 'A'},
      {"alt letter", 'A', 'a', kLeftAlt, 3, 'A'},
      {"ctrl shift letter", 'A', 0x01, kLeftCtrl | kShift, 4, 'A'},
      {"left ctrl left alt", 'A', 0, kLeftCtrl | kLeftAlt, 5, 'A'},
      {"right ctrl right alt", vk::kF1 + 4, 0, kRightCtrl | kRightAlt, 5, 0x1074},
      {"ctrl alt shift is still x-", 'A', 0, kLeftCtrl | kLeftAlt | kShift, 5, 'A'},
      {"alt shift", 'A', 'A', kLeftAlt | kShift, 3, 'A'},
      {"alt with caps lock", 'A', 'A', kLeftAlt | kCapsLock, 3, 'A'},
      {"caps lock letter counts as shifted", 'A', 'A', kCapsLock, 1, 'A'},
      {"caps lock with shift counts as plain", 'A', 'a', kCapsLock | kShift, 0, 'A'},
      {"caps lock leaves digits alone", '1', '1', kCapsLock, 0, '1'},
      {"caps lock with shift on a digit", '1', '!', kCapsLock | kShift, 1, '1'},
      {"num lock changes nothing", vk::kNumpad0 + 7, '7', kNumLock, 0, vk::kNumpad0 + 7},
      {"up", vk::kUp, 0, kEnhanced, 0, 0x1026},
      {"shift tab", vk::kTab, '\t', kShift, 1, 0x1009},
      {"f1", vk::kF1, 0, 0, 0, 0x1070},
      {"f24", vk::kF24, 0, 0, 0, 0x1087},
      {"keypad 5 without num lock", vk::kClear, 0, 0, 0, 0x100C},
      {"keypad plus", vk::kAdd, '+', 0, 0, 0x106B},
      {"keypad star keeps its code", vk::kMultiply, '*', 0, 0, 0x6A},
      {"enter", vk::kReturn, '\r', 0, 0, 0x0D},
      {"escape", vk::kEscape, 0x1B, 0, 0, 0x1B},
      {"semicolon key", vk::kOem1, ';', 0, 0, 0xBA},
      // AltGr is right Alt with left Ctrl: a Ctrl key unless it types a character.
      {"altgr letter without character is plain", 'Q', 0, kRightAlt | kLeftCtrl, 0, 'Q'},
      {"altgr typing a symbol types it", 'Q', '@', kRightAlt | kLeftCtrl, 0, 'Q'},
      {"altgr letter with a letter stays ctrl", 'E', 'e', kRightAlt | kLeftCtrl, 2, 'E'},
      {"altgr with a digit character stays ctrl", '2', '2', kRightAlt | kLeftCtrl, 2, '2'},
      {"altgr f5 stays ctrl", vk::kF1 + 4, 0, kRightAlt | kLeftCtrl, 2, 0x1074},
      {"altgr arrow stays ctrl", vk::kLeft, 0, kRightAlt | kLeftCtrl | kEnhanced, 2, 0x1025},
      {"altgr keypad digit stays ctrl", vk::kNumpad0 + 3, 0, kRightAlt | kLeftCtrl, 2, vk::kNumpad0 + 3},
      {"altgr oem key stays ctrl", vk::kOem4, '\\', kRightAlt | kLeftCtrl, 2, 0xDB},
      {"right alt alone typing a symbol", 'Q', '@', kRightAlt, 0, 'Q'},
      {"left alt is never altgr", 'Q', '@', kLeftAlt, 3, 'Q'},
  };
  for (const Case& c : cases) {
    KeyEventRecord k = key(c.vk, c.ch, c.state);
    EXPECT_EQ(keyClassOf(k), c.keyClass) << c.what;
    EXPECT_EQ(keycode::fromVirtualKey(c.vk), c.keyCode) << c.what;
  }
}

TEST(KeyClassifier, LineReaderHasNoAltShiftRule) {
  EXPECT_EQ(keyClassOf(key('A', 'A', kLeftAlt | kShift), ClassRules::LineReader), 1);
  EXPECT_EQ(keyClassOf(key('A', 'a', kLeftAlt | kShift | kCapsLock), ClassRules::LineReader), 0);
  EXPECT_EQ(keyClassOf(key('A', 'a', kLeftAlt | kCapsLock), ClassRules::LineReader), 3);
}

TEST(KeyClassifier, ModifierAndWindowsKeys) {
  for (uint16_t vk : {vk::kShift, vk::kControl, vk::kMenu, vk::kPause, vk::kCapital, vk::kNumLock,
                      vk::kScroll, vk::kLShift, vk::kRMenu})
    EXPECT_TRUE(isModifierKey(vk)) << vk;
  for (uint16_t vk : {vk::kTab, vk::kReturn, vk::kEscape, vk::kLWin, uint16_t('A')})
    EXPECT_FALSE(isModifierKey(vk)) << vk;

  EXPECT_TRUE(isBareWindowsKey(key(vk::kLWin, 0, kEnhanced), false));
  EXPECT_TRUE(isBareWindowsKey(key(vk::kRWin, 0, kEnhanced | kNumLock), false));
  EXPECT_FALSE(isBareWindowsKey(key(vk::kLWin, 0, kEnhanced | kShift), false));
  EXPECT_FALSE(isBareWindowsKey(key(vk::kLWin, 0, 0), false));
  EXPECT_FALSE(isBareWindowsKey(key(vk::kApps, 0, kEnhanced), false));
  EXPECT_TRUE(isBareWindowsKey(key(vk::kApps, 0, kEnhanced), true));
}

TEST(KeyClassifier, AltKeypadBuildsACharacterCode) {
  struct Case {
    const char* what;
    std::vector<uint16_t> keys;
    int code;
  };
  const Case cases[] = {
      {"keypad 6 5", {vk::kNumpad0 + 6, vk::kNumpad0 + 5}, 65},
      {"right then keypad 5 (num lock off)", {vk::kRight, vk::kClear}, 65},
      {"navigation keys as digits", {vk::kUp, vk::kPrior}, 89},
      {"insert end down", {vk::kInsert, vk::kEnd, vk::kDown}, 12},
      {"page down left home", {vk::kNext, vk::kLeft, vk::kHome}, 347 % 256},
      {"another key clears", {vk::kNumpad0 + 6, 'X', vk::kNumpad0 + 7}, 7},
      {"nothing typed", {}, 0},
  };
  for (const Case& c : cases) {
    AltKeypad pad;
    for (uint16_t vk : c.keys) pad.keyDown(3, vk);
    EXPECT_EQ(pad.altReleased(), c.code) << c.what;
    EXPECT_EQ(pad.altReleased(), 0) << c.what << ": used once";
  }
  AltKeypad pad;
  EXPECT_FALSE(pad.keyDown(0, vk::kNumpad0 + 6)) << "only class 3 builds codes";
  EXPECT_TRUE(pad.keyDown(3, vk::kUp));
  EXPECT_FALSE(pad.keyDown(3, vk::kF1));
  EXPECT_EQ(pad.value(), 0);
}

TEST(KeyClassifier, ReadKeyKeysWithoutCharacter) {
  for (uint16_t vk : {vk::kClear, vk::kPrior, vk::kDelete, vk::kLWin, vk::kApps, vk::kNumpad0, vk::kF24})
    EXPECT_TRUE(isReadKeyWithoutCharacter(vk)) << vk;
  for (uint16_t vk : {vk::kTab, vk::kReturn, uint16_t('A'), vk::kOem1, uint16_t(vk::kF24 + 1)})
    EXPECT_FALSE(isReadKeyWithoutCharacter(vk)) << vk;
}

}  // namespace
}  // namespace tarn
