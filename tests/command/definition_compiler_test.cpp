#include "command/definition_compiler.h"

#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace tarn::command {
namespace {

constexpr int E = fn::kArgumentEnd;

class DefinitionCompilerTest : public ::testing::Test, public EditorFixture {};

TEST_F(DefinitionCompilerTest, CompilesItemsIntoCodeLists) {
  struct Case {
    std::string_view line;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"d f5=[bl]", {fn::kBeginLine}},
      {"d f5=[BL]", {fn::kBeginLine}},
      {"define f5=[begin line][ee]", {fn::kBeginLine, fn::kEraseEndLine}},
      {"d f5 = [bl] 'x'", codes({{fn::kBeginLine}, chars("x")})},
      {"d f5=  'it\\'s'", chars("it's")},
      {"d f5=\"a\\\"b\" 'a\\\\'", chars("a\"ba\\")},
      {"d f5='c:\\dir'", chars("c:\\dir")},
      {"d f5=[left 40]", codes({{fn::kLeftCount}, chars("40"), {E}})},
      {"d f5=[left]", {fn::kLeft}},
      {"d f5=[down 2][up 2]", codes({{fn::kDownCount}, chars("2"), {E, fn::kUpCount}, chars("2"), {E}})},
      {"d f5=[quit all]", {fn::kQuitAll, E}},
      {"d f5=[quit]", {fn::kQuit, E}},
      {"d f5=[edit]", {fn::kEdit, E}},
      {"d f5=[edit .keydefs]", {fn::kEditKeydefs, E}},
      {"d f5=[edit tarn.hlp]", codes({{fn::kEdit}, chars("tarn.hlp"), {E}})},
      {"d f5=[save  my file.txt]", codes({{fn::kSave}, chars("my file.txt"), {E}})},
      {"d f5=[dir  a   b]", codes({{fn::kDir}, chars("a b"), {E}})},
      {"d f5=[set a b c d e f g h i j k]", codes({{fn::kSet}, chars("a b c d e f g h i"), {E}})},
      {"d f5=[line 5 3]", codes({{fn::kLine}, chars("5 3"), {E}})},
      {"d f5=[line 5 3 9]", codes({{fn::kLine}, chars("5"), {E}})},
      {"d f5=[column 9]", codes({{fn::kColumn}, chars("9"), {E}})},
      {"d f5=[su 3]", codes({{fn::kScrollup}, chars("3"), {E}})},
      {"d f5=[c/ //-*m]", codes({{fn::kChange}, chars("/ //-*m"), {E}})},
      {"d f5=[change/a/b/]", codes({{fn::kChange}, chars("/a/b/"), {E}})},
      {"d f5=[/abc/]", codes({{fn::kLocate}, chars("/abc/"), {E}})},
      {"d f5=[l abc]", codes({{fn::kLocate}, chars(" abc"), {E}})},
      // Not "begin line": the first word names bookmarks, which takes raw text.
      {"d f5=[b l]", codes({{fn::kBookmarks}, chars("l"), {E}})},
      {"d f5=[cd/tmp]", codes({{fn::kChdir}, chars("/tmp"), {E}})},
      {"d f5=[65]", codes({{fn::kTypeChar}, chars("65"), {E}})},
      {"d f5=[fm 'x']", {fn::kFillMark, 'x'}},
      {"d f5=[fill mark ' ']", {fn::kFillMark, ' '}},
      {"d f5=[fm]", {fn::kFillMark}},
      {"d f5=[bl][dc 3]'x'", codes({{fn::kBeginLine, fn::kDeleteChar}, chars("x")})},
      {"d f5=[fm x]", {fn::kFillMark}},
      {"d f5=[bookmark set 'a'][bookmark goto 'b'][bookmark remove 'c']",
       {fn::kBookmarkSet, 'a', fn::kBookmarkGoto, 'b', fn::kBookmarkRemove, 'c'}},
      {"d f5=[\"set margins 1 10 1\"]", codes({{fn::kSet}, chars("margins 1 10 1"), {E}})},
      {"d f5=[\"define f6 = [ee] 'x'\"]", codes({{fn::kDefine}, chars("f6 = [ee] 'x'"), {E}})},
      {"d f5=[\"set delimiters \\\" ,.\\\"\"]", codes({{fn::kSet}, chars("delimiters \" ,.\""), {E}})},
      {"d f5=[set delimiters \"]\"]", codes({{fn::kSet}, chars("delimiters \"]\""), {E}})},
  };
  for (const Case& c : cases) {
    store.clear();
    EXPECT_EQ(compiler.define(c.line), std::nullopt) << c.line;
    EXPECT_EQ(definitionOf("f5"), c.expected) << c.line;
  }
}

TEST_F(DefinitionCompilerTest, ReportsErrorsKeepingTheItemsBefore) {
  struct Case {
    std::string_view line;
    std::string_view message;
    std::vector<int> kept;
  };
  const Case cases[] = {
      {"d f5 [bl]", "Invalid syntax in line 7:\"d f5 [bl]\"", {fn::kEraseEndLine}},
      {"d", "Invalid syntax in line 7:\"d\"", {fn::kEraseEndLine}},
      {"d nokey=[bl]", "Unknown key \"nokey\" in line 7:\"d nokey=[bl]\"", {fn::kEraseEndLine}},
      {"d f5=[bl] x", "Invalid char 'x' in line 7:\"d f5=[bl] x\"", {fn::kBeginLine}},
      {"d f5=x[bl]", "Invalid char 'x' in line 7:\"d f5=x[bl]\"", {fn::kEraseEndLine}},
      {"d f5=[bl]'abc", "Invalid syntax in line 7:\"d f5=[bl]'abc\"", {fn::kBeginLine}},
      {"d f5=[bl", "Invalid syntax in line 7:\"d f5=[bl\"", {fn::kEraseEndLine}},
      {"d f5=[\"set x]", "Invalid syntax in line 7:\"d f5=[\"set x]\"", {fn::kEraseEndLine}},
      {"d f5=[bl][nosuch][ee]", "Unknown command \"nosuch\" in line 7:\"d f5=[bl][nosuch][ee]\"",
       {fn::kBeginLine}},
      {"d f5=[zz top]", "Unknown command \"zz top\" in line 7:\"d f5=[zz top]\"", {}},
      {"d f5=[0]", "Unknown command \"0\" in line 7:\"d f5=[0]\"", {}},
      {"d f5=[256]", "Unknown command \"256\" in line 7:\"d f5=[256]\"", {}},
      {"d f5=[bookmark set '1']", "Unknown command \"bookmark set '1'\" in line 7:\"d f5=[bookmark set '1']\"", {}},
  };
  for (const Case& c : cases) {
    store.clear();
    ASSERT_EQ(compiler.define("d f5=[ee]"), std::nullopt);
    EXPECT_EQ(compiler.define(c.line, "7:"), std::optional<std::string>(c.message)) << c.line;
    EXPECT_EQ(definitionOf("f5"), c.kept) << c.line;
  }
}

TEST_F(DefinitionCompilerTest, BlanksMayStandAroundTheEqualsSignButNotReplaceIt) {
  EXPECT_EQ(compiler.define("d c-q = [bl] 'x'"), std::nullopt);
  EXPECT_EQ(definitionOf("c-q"), codes({{fn::kBeginLine}, chars("x")}));
  // Outside a profile the line label is empty.
  EXPECT_EQ(compiler.define("d c-q [bl]"), std::optional<std::string>("Invalid syntax in line \"d c-q [bl]\""));
}

TEST_F(DefinitionCompilerTest, AnEmptyDefinitionUndefinesTheKey) {
  ASSERT_EQ(compiler.define("d f5=[bl]"), std::nullopt);
  ASSERT_NE(store.find(0, 0x1074), nullptr);
  EXPECT_EQ(compiler.define("d f5=   "), std::nullopt);
  EXPECT_EQ(store.find(0, 0x1074), nullptr);
  EXPECT_TRUE(definitionOf("f5").empty());
}

TEST_F(DefinitionCompilerTest, AliasesShareOneSlotAndKeysAreFoundByClassAndCode) {
  ASSERT_EQ(compiler.define("d c-insert = [cb]"), std::nullopt);
  EXPECT_EQ(definitionOf("c-ins"), std::vector<int>{fn::kCopyToClipboard});
  const int* found = store.find(2, 0x102D);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found[0], fn::kCopyToClipboard);
  EXPECT_EQ(found[1], 0);
  EXPECT_EQ(store.find(0, 0x102D), nullptr);
}

TEST_F(DefinitionCompilerTest, DropsCodesBeyondTheLongestDefinition) {
  const std::string line = "d f5='" + std::string(1030, 'x') + "'";
  auto message = compiler.define(line);
  ASSERT_TRUE(message.has_value());
  EXPECT_TRUE(message->starts_with("Definition too long in line \"d f5='xxx"));
  EXPECT_EQ(definitionOf("f5").size(), kLongestDefinition);
}

TEST_F(DefinitionCompilerTest, RefusesAZeroByte) {
  const std::string line("d f5='a\0b'", 11);
  EXPECT_TRUE(compiler.define(line).has_value());
  EXPECT_TRUE(definitionOf("f5").empty());
}

TEST_F(DefinitionCompilerTest, SynonymsAreNamedInBracketsWithACount) {
  ASSERT_EQ(compiler.synonym("syn Hello = 'hi' [bl]"), std::nullopt);
  ASSERT_EQ(compiler.synonym("syn twice=[hello 2]"), std::nullopt);
  EXPECT_EQ(synonymCodes("HELLO"), codes({chars("hi"), {fn::kBeginLine}}));
  EXPECT_EQ(store.keyCode(kSynonymClass, 0), 0x1000);
  EXPECT_EQ(synonymCodes("twice"), (std::vector<int>{0x1000, 2}));

  ASSERT_EQ(compiler.define("d f5=[HELLO][twice 0][twice 3]"), std::nullopt);
  EXPECT_EQ(definitionOf("f5"), (std::vector<int>{0x1000, E, 0x1001, E, 0x1001, 3}));

  // Defining a name again keeps its entry.
  ASSERT_EQ(compiler.synonym("syn hello='ho'"), std::nullopt);
  EXPECT_EQ(store.synonyms().size(), 2);
  EXPECT_EQ(synonymCodes("hello"), chars("ho"));
}

TEST_F(DefinitionCompilerTest, ASynonymCannotNameItself) {
  ASSERT_EQ(compiler.synonym("syn loop='a'"), std::nullopt);
  EXPECT_EQ(compiler.synonym("syn loop=[loop]"),
            std::optional<std::string>("Unknown command \"loop\" in line \"syn loop=[loop]\""));
}

TEST_F(DefinitionCompilerTest, SynonymTableHoldsAHundredNamesOfAtMost35Characters) {
  for (int i = 0; i < SynonymTable::kCapacity; ++i) {
    ASSERT_EQ(compiler.synonym("syn s" + std::to_string(i) + "='x'"), std::nullopt) << i;
  }
  EXPECT_EQ(compiler.synonym("syn one_more='x'"), std::optional<std::string>("Too many synonyms!"));
  EXPECT_EQ(store.synonyms().size(), 100);
  EXPECT_EQ(compiler.synonym("syn s5='y'"), std::nullopt);
  EXPECT_EQ(synonymCodes("s5"), chars("y"));

  store.clear();
  const std::string longest(35, 'n');
  EXPECT_EQ(compiler.synonym("syn " + longest + "='x'"), std::nullopt);
  const std::string tooLong(36, 'n');
  EXPECT_EQ(compiler.synonym("syn " + tooLong + "='x'"),
            std::optional<std::string>("Synonym name \"" + tooLong + "\" too long in line \"syn " + tooLong + "='x'\""));
  EXPECT_EQ(store.synonyms().size(), 1);
}

}  // namespace
}  // namespace tarn::command
