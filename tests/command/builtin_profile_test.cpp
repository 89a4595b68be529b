#include "command/builtin_profile.h"

#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace tarn::command {
namespace {

constexpr int E = fn::kArgumentEnd;

class BuiltinProfileTest : public ::testing::Test, public EditorFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(profiles.readBuiltin(ProfileMode::Full));
    ASSERT_FALSE(editor.screen.messageShown());
  }
};

TEST_F(BuiltinProfileTest, SetsItsFourOptions) {
  const Settings& s = editor.settings;
  EXPECT_EQ(s.leftMargin, 1);
  EXPECT_EQ(s.rightMargin, 254);
  EXPECT_EQ(s.paragraphMargin, 1);
  EXPECT_EQ(s.tabFirst, 9);
  EXPECT_EQ(s.tabStep, 8);
  EXPECT_EQ(s.lineTrim, trim::kTrailing);
  EXPECT_FALSE(s.restoreCursor);
  EXPECT_TRUE(editor.engine.isTabStop(8));
  EXPECT_TRUE(editor.engine.isTabStop(16));
  EXPECT_FALSE(editor.engine.isTabStop(9));
}

TEST_F(BuiltinProfileTest, BindsItsKeys) {
  struct Case {
    std::string_view key;
    std::vector<int> codes;
  };
  const Case cases[] = {
      {"f2", codes({{fn::kCursorCommand, fn::kBeginLine, fn::kEraseEndLine}, chars("save")})},
      {"esc", {fn::kCommandToggle}},
      {"enter", {fn::kBeginLine, fn::kDown}},
      {"padplus", chars("+")},
      {"f1", codes({{fn::kEdit}, chars("tarn.hlp"), {E}})},
      {"f4", {fn::kQuit, E}},
      {"f8", {fn::kEdit, E}},
      {"c-k", {fn::kEditKeydefs, E}},
      {"c-left", codes({{fn::kLeftCount}, chars("40"), {E}})},
      {"c-n", codes({{fn::kDownCount}, chars("64"), {E}})},
      {"c-f3", {fn::kInsertLine, fn::kInsertLine, fn::kInsertLine}},
      {"s-ins", chars("0")},
      {"s-f1", codes({{fn::kPageDown, fn::kBottomEdge, fn::kDownCount}, chars("2"), {E, fn::kCursorCommand}})},
      {"s-f9", {fn::kDir, E}},
      {"s-f10", codes({{fn::kPushMark, fn::kCursorData, fn::kMarkLine, fn::kCopyMark, fn::kColumn},
                       chars("9"),
                       {E},
                       chars("."),
                       {fn::kColumn},
                       chars("14"),
                       {E, fn::kEraseEndLine, fn::kChange},
                       chars("/ //-*m"),
                       {E, fn::kBeginLine, fn::kShiftRight, fn::kShiftRight},
                       chars("e "),
                       {fn::kCopyToCommand, fn::kDown, fn::kDeleteMark, fn::kExecute, fn::kPopMark}})},
      {"a-f", {fn::kFillMark}},
      {"a-0", codes({{fn::kSet}, chars("margins 1 100 1"), {E}})},
      {"a-9", codes({{fn::kSet}, chars("margins 1 90 1"), {E}})},
  };
  for (const Case& c : cases) EXPECT_EQ(definitionOf(c.key), c.codes) << c.key;
}

TEST_F(BuiltinProfileTest, DefinesNoOtherKeys) {
  int defined = 0;
  for (int keyClass = 0; keyClass < kKeyClassCount; ++keyClass) {
    for (int slot = 0; slot < kDefinitionSlots; ++slot) defined += store.keyCode(keyClass, slot) != 0;
  }
  EXPECT_EQ(defined, 106);
  EXPECT_TRUE(definitionOf("s-f3").empty());
  EXPECT_TRUE(definitionOf("a-a").empty());
  EXPECT_EQ(store.synonyms().size(), 0);
}

TEST_F(BuiltinProfileTest, ReadingItAgainStartsFromAnEmptyStore) {
  ASSERT_EQ(compiler.define("d s-f3=[bl]"), std::nullopt);
  ASSERT_EQ(compiler.synonym("syn x='y'"), std::nullopt);
  ASSERT_TRUE(profiles.readBuiltin(ProfileMode::Full));
  EXPECT_TRUE(definitionOf("s-f3").empty());
  EXPECT_EQ(store.synonyms().size(), 0);
}

}  // namespace
}  // namespace tarn::command
