#include "command/key_names.h"

#include <gtest/gtest.h>

#include <set>

namespace tarn::command {
namespace {

class KeyNameTableTest : public ::testing::Test {
 protected:
  KeyNameTable keys;
};

TEST_F(KeyNameTableTest, HasEveryClassWithinItsSlots) {
  EXPECT_EQ(keys.entries().size(), 478u);
  const int slots[kKeyClassCount] = {100, 74, 77, 62, 77, 77};
  for (int keyClass = 0; keyClass < kKeyClassCount; ++keyClass) {
    EXPECT_EQ(keys.slotCount(keyClass), slots[keyClass]) << keyClass;
    EXPECT_LE(keys.slotCount(keyClass), kSlotsPerClass);
  }
  EXPECT_EQ(keys.slotCount(6), 0);

  std::set<std::string_view> names;
  for (const KeyName& key : keys.entries()) {
    EXPECT_TRUE(names.insert(key.name).second) << key.name;
    EXPECT_GE(key.slot, 0);
    EXPECT_LT(key.slot, keys.slotCount(key.keyClass)) << key.name;
  }
}

TEST_F(KeyNameTableTest, GivesClassSlotAndCodeOfANameInAnyCase) {
  struct Case {
    std::string_view name;
    int keyClass;
    int slot;
    int keyCode;
  };
  const Case cases[] = {
      {"up", 0, 0, 0x1026},         {"INSERT", 0, 8, 0x102D},    {"Insert", 0, 8, 0x102D},
      {"ins", 0, 8, 0x102D},        {"enter", 0, 10, 0x0D},      {"esc", 0, 12, 0x1B},
      {"tab", 0, 13, 0x1009},       {"a", 0, 14, 'A'},           {"Z", 0, 39, 'Z'},
      {"f1", 0, 40, 0x1070},        {"f12", 0, 51, 0x107B},      {"0", 0, 52, '0'},
      {"prtsc", 0, 62, 0x102C},     {"padplus", 0, 63, 0x106B},  {"padminus", 0, 64, 0x106D},
      {"space", 0, 65, 0x20},       {"exclamationp", 0, 66, 0x21}, {"quote", 0, 72, 0xDE},
      {"colon", 0, 81, 0x3A},       {"semi", 0, 82, 0xBA},       {"semicolon", 0, 82, 0xBA},
      {"lbrace", 0, 94, 0x7B},      {"tilde", 0, 97, 0x7E},      {"pad5", 0, 98, 0x100C},
      {"pad*", 0, 99, 0x6A},        {"s-esc", 1, 73, 0x1B},      {"S-A", 1, 11, 'A'},
      {"c-ins", 2, 65, 0x102D},     {"c-insert", 2, 65, 0x102D}, {"c-space", 2, 76, 0x20},
      {"a-semicolon", 3, 60, 0xBA}, {"a-del", 3, 61, 0x102E},    {"u-enter", 4, 74, 0x0D},
      {"x-backspace", 5, 75, 0x08}, {"x-f5", 5, 30, 0x1074},
  };
  for (const Case& c : cases) {
    const KeyName* key = keys.find(c.name);
    ASSERT_NE(key, nullptr) << c.name;
    EXPECT_EQ(key->keyClass, c.keyClass) << c.name;
    EXPECT_EQ(key->slot, c.slot) << c.name;
    EXPECT_EQ(key->keyCode, c.keyCode) << c.name;
  }
}

TEST_F(KeyNameTableTest, RefusesNamesNoClassHas) {
  for (std::string_view name : {"c-esc", "a-esc", "a-up", "s-enter", "s-space", "c-prtsc", "a-pad5", "u-esc",
                                "x-prtsc", "f13", "ctrl-a", "c-", "", " a", "c a", "u-exclamationp"}) {
    EXPECT_EQ(keys.find(name), nullptr) << '"' << name << '"';
  }
}

TEST_F(KeyNameTableTest, WritesBackTheFirstNameOfAKey) {
  EXPECT_EQ(keys.nameOf(2, 0x102D), "c-ins");
  EXPECT_EQ(keys.nameOf(3, 0xBA), "a-semi");
  EXPECT_EQ(keys.nameOf(0, 0x1070), "f1");
  EXPECT_EQ(keys.nameOf(5, 'Q'), "x-q");
  EXPECT_EQ(keys.nameOf(2, 0x1B), std::nullopt);  // no c-esc
  EXPECT_EQ(keys.nameOf(7, 'A'), std::nullopt);

  for (const KeyName& key : keys.entries()) {
    auto name = keys.nameOf(key.keyClass, key.keyCode);
    ASSERT_TRUE(name) << key.name;
    EXPECT_EQ(keys.find(*name)->slot, key.slot) << key.name;
  }
}

TEST_F(KeyNameTableTest, ClassesDifferOnlyByPrefixForTheSameKey) {
  const KeyName* plain = keys.find("lbracket");
  for (std::string_view name : {"s-lbracket", "c-lbracket", "a-lbracket", "u-lbracket", "x-lbracket"}) {
    const KeyName* key = keys.find(name);
    ASSERT_NE(key, nullptr) << name;
    EXPECT_EQ(key->keyCode, plain->keyCode) << name;
  }
}

}  // namespace
}  // namespace tarn::command
