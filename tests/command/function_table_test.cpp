#include "command/function_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/function_codes.h"

namespace tarn::command {
namespace {

class FunctionTableTest : public ::testing::Test {
 protected:
  FunctionTable table;
};

TEST_F(FunctionTableTest, HoldsEveryNameOnceExceptTheThreeShared) {
  EXPECT_EQ(table.entries().size(), 423u);
  EXPECT_EQ(table.codeCount(), 223u);

  std::multiset<std::string_view> names;
  for (const FunctionEntry& entry : table.entries()) names.insert(entry.name);
  std::set<std::string_view> repeated;
  for (std::string_view name : names) {
    if (names.count(name) > 1) repeated.insert(name);
  }
  EXPECT_EQ(repeated, (std::set<std::string_view>{"edit", "view", "up"}));
}

TEST_F(FunctionTableTest, NamesAreStoredAsLowerCaseWithoutOuterBlanks) {
  for (const FunctionEntry& entry : table.entries()) {
    EXPECT_FALSE(entry.name.empty());
    EXPECT_NE(entry.name.front(), ' ') << entry.name;
    EXPECT_NE(entry.name.back(), ' ') << entry.name;
    for (char c : entry.name) EXPECT_FALSE(c >= 'A' && c <= 'Z') << entry.name;
  }
}

TEST_F(FunctionTableTest, EveryCodeLiesInARangeTheDispatcherKnows) {
  for (const FunctionEntry& entry : table.entries()) {
    EXPECT_TRUE(fn::isEditorLevel(entry.code) || fn::isClipboard(entry.code) || fn::isEditing(entry.code))
        << entry.name << " 0x" << std::hex << entry.code;
    EXPECT_FALSE(entry.code >= fn::kUpCount && entry.code <= fn::kRightCount) << entry.name;
    EXPECT_NE(entry.code, fn::kTypeChar) << entry.name;
  }
}

TEST_F(FunctionTableTest, TableOrderStartsWithTheTypedCommandsAndEndsWithThePythonCommands) {
  auto entries = table.entries();
  const std::string_view head[] = {"d", "def", "define", "s", "set", "syn", "dir", "ver", "about"};
  for (std::size_t i = 0; i < std::size(head); ++i) EXPECT_EQ(entries[i].name, head[i]);
  EXPECT_EQ(entries[79].name, "tarn");
  EXPECT_EQ(entries[80].name, "mere");
  const std::string_view functions[] = {"bt", "backtab", "bw", "backtab word", "bp", "beep", "bl", "begin line"};
  for (std::size_t i = 0; i < std::size(functions); ++i) EXPECT_EQ(entries[81 + i].name, functions[i]);
  const std::string_view tail[] = {"px", "pyexec", "pc", "pycall", "py", "pyrun"};
  for (std::size_t i = 0; i < std::size(tail); ++i) EXPECT_EQ(entries[417 + i].name, tail[i]);
}

TEST_F(FunctionTableTest, LooksUpWholeNamesIgnoringAsciiCase) {
  struct Case {
    std::string_view name;
    std::optional<int> code;
  };
  const Case cases[] = {
      {"bl", fn::kBeginLine},
      {"BL", fn::kBeginLine},
      {"Bl", fn::kBeginLine},
      {"begin line", fn::kBeginLine},
      {"BEGIN LINE", fn::kBeginLine},
      {"b l", std::nullopt},
      {"begin", std::nullopt},  // no prefix matching
      {"begin  line", std::nullopt},
      {" bl", std::nullopt},
      {"65", std::nullopt},  // numbers are the compiler's business
      {"0", std::nullopt},
      {"256", std::nullopt},
      {"", std::nullopt},
      {"quit all", fn::kQuitAll},
      {"q all", fn::kQuitAll},
      {"edit .keydefs", fn::kEditKeydefs},
      {"e -", fn::kEditPrevious},
      {"?", fn::kHelp},
      {"ed", fn::kEdit},
      {"edit", fn::kEdit},
      {"vw", fn::kView},
      {"up", fn::kUp},
      {"mere", fn::kTarn},
      {"copy to clipboard", fn::kCopyToClipboard},
      {"create table", fn::kCreateTable},
      {"b\xC9", std::nullopt},  // bytes above 127 are not folded
  };
  for (const Case& c : cases) EXPECT_EQ(table.codeOf(c.name), c.code) << '"' << c.name << '"';
}

TEST_F(FunctionTableTest, FindGivesTheTableIndexOfTheFirstPlace) {
  auto index = table.find("Edit");
  ASSERT_TRUE(index);
  EXPECT_EQ(table.entries()[*index].name, "edit");
  EXPECT_EQ(*index, 20u);
}

TEST_F(FunctionTableTest, ReverseLookupTakesTheFirstOrLastNameOfACode) {
  struct Case {
    int code;
    std::string_view abbreviated;
    std::string_view full;
  };
  const Case cases[] = {
      {fn::kBeginLine, "bl", "begin line"},
      {fn::kEdit, "e", "edit"},  // the last "edit" is the one after "ed"
      {fn::kView, "v", "view"},
      {fn::kHelp, "h", "help"},
      {fn::kDefine, "d", "define"},
      {fn::kUp, "up", "up"},
      {fn::kFile, "file", "file"},
      {fn::kQuitAll, "q all", "quit all"},
      {fn::kPyrun, "py", "pyrun"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(table.nameOf(c.code, true), c.abbreviated);
    EXPECT_EQ(table.nameOf(c.code, false), c.full);
  }
  EXPECT_EQ(table.nameOf(fn::kUpCount, true), std::nullopt);
  EXPECT_EQ(table.nameOf(0x300, false), std::nullopt);
  EXPECT_FALSE(table.hasName(fn::kTypeChar));
}

TEST_F(FunctionTableTest, EveryNameFindsACodeWhoseReverseLookupFindsItAgain) {
  for (const FunctionEntry& entry : table.entries()) {
    EXPECT_EQ(table.codeOf(entry.name), entry.code) << entry.name;
    auto full = table.nameOf(entry.code, false);
    ASSERT_TRUE(full);
    EXPECT_EQ(table.codeOf(*full), entry.code);
  }
}

TEST_F(FunctionTableTest, ArgumentKindsFollowTheCode) {
  struct Case {
    std::string_view name;
    ArgumentKind kind;
  };
  const Case cases[] = {
      {"file", ArgumentKind::RawText},      {"quit all", ArgumentKind::RawText},
      {"view", ArgumentKind::RawText},      {"vw", ArgumentKind::RawText},
      {"pycall", ArgumentKind::RawText},    {"bookmarks", ArgumentKind::RawText},
      {"set", ArgumentKind::Words},         {"edit", ArgumentKind::Words},
      {"ed", ArgumentKind::Words},          {"edit .keydefs", ArgumentKind::Words},
      {"tarn", ArgumentKind::Words},        {"words", ArgumentKind::Words},
      {"key", ArgumentKind::TwoWords},      {"line", ArgumentKind::TwoWords},
      {"column", ArgumentKind::Column},     {"up", ArgumentKind::Count},
      {"lf", ArgumentKind::Count},          {"scrollright", ArgumentKind::ScrollCount},
      {"su", ArgumentKind::ScrollCount},    {"locate", ArgumentKind::Expression},
      {"c", ArgumentKind::Expression},      {"begin line", ArgumentKind::None},
      {"print", ArgumentKind::None},        {"fill mark", ArgumentKind::None},
      {"demo step", ArgumentKind::None},    {"unnamed", ArgumentKind::None},
  };
  for (const Case& c : cases) EXPECT_EQ(table.argumentKind(*table.codeOf(c.name)), c.kind) << c.name;
  EXPECT_EQ(table.argumentKind(fn::kTypeChar), ArgumentKind::None);
}

TEST_F(FunctionTableTest, DirectionsHaveCountFormsBothWays) {
  const std::pair<int, int> pairs[] = {
      {fn::kUp, fn::kUpCount}, {fn::kDown, fn::kDownCount}, {fn::kLeft, fn::kLeftCount}, {fn::kRight, fn::kRightCount}};
  for (auto [code, countCode] : pairs) {
    EXPECT_EQ(table.countFormOf(code), countCode);
    EXPECT_EQ(table.codeOfCountForm(countCode), code);
  }
  EXPECT_EQ(table.countFormOf(fn::kScrollup), std::nullopt);
  EXPECT_EQ(table.codeOfCountForm(fn::kUp), std::nullopt);
}

}  // namespace
}  // namespace tarn::command
