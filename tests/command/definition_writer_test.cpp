#include "command/definition_writer.h"

#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace tarn::command {
namespace {

constexpr int E = fn::kArgumentEnd;

class DefinitionWriterTest : public ::testing::Test, public EditorFixture {
 protected:
  void SetUp() override {
    ASSERT_EQ(compiler.synonym("syn hello='hi'"), std::nullopt);
  }

  // Compiling the written text gives the codes back.
  void expectRoundTrip(const std::vector<int>& original, const std::string& text) {
    ASSERT_EQ(compiler.define("d f5=" + text), std::nullopt) << text;
    EXPECT_EQ(definitionOf("f5"), original) << text;
  }
};

TEST_F(DefinitionWriterTest, WritesDefinitionsThatCompileBackToTheSameCodes) {
  struct Case {
    std::vector<int> codes;
    std::string_view abbreviated;
    std::string_view full;
  };
  const Case cases[] = {
      {{fn::kBeginLine, fn::kEraseEndLine}, "[bl] [ee] ", "[begin line] [erase end line] "},
      {codes({{fn::kCursorCommand, fn::kBeginLine, fn::kEraseEndLine}, chars("save")}),
       "[cc] [bl] [ee] 'save' ", "[cursor command] [begin line] [erase end line] 'save' "},
      {codes({{fn::kLeftCount}, chars("40"), {E}}), "[lf 40] ", "[left 40] "},
      {{fn::kUp}, "[up] ", "[up] "},
      {codes({{fn::kSet}, chars("margins 1 10 1"), {E}}), "[\"s margins 1 10 1\"] ",
       "[\"set margins 1 10 1\"] "},
      {codes({{fn::kSet}, chars("delimiters \" ,.\""), {E}}), "[\"s delimiters \\\" ,.\\\"\"] ",
       "[\"set delimiters \\\" ,.\\\"\"] "},
      {codes({{fn::kDefine}, chars("f6 = [ee] 'x'"), {E}}), "[\"d f6 = [ee] 'x'\"] ",
       "[\"define f6 = [ee] 'x'\"] "},
      {codes({{fn::kSet}, chars("delimiters \\"), {E}}), "[\"s delimiters \\ \"] ",
       "[\"set delimiters \\ \"] "},
      {chars("it's"), "'it\\'s' ", "'it\\'s' "},
      {chars("a\\"), "'a\\\\' ", "'a\\\\' "},
      {chars("c:\\dir\\\\x"), "'c:\\dir\\\\\\x' ", "'c:\\dir\\\\\\x' "},
      {codes({{fn::kChange}, chars("/ //-*m"), {E}}), "[c/ //-*m] ", "[change/ //-*m] "},
      {codes({{fn::kLocate}, chars(" abc"), {E}}), "[l abc] ", "[locate abc] "},
      {codes({{fn::kTypeChar}, chars("65"), {E}}), "[65] ", "[65] "},
      {{0x1000, 3, 0x1000, E}, "[hello 3] [hello] ", "[hello 3] [hello] "},
      {{fn::kFillMark, 'x'}, "[fm 'x'] ", "[fill mark 'x'] "},
      {{fn::kFillMark, ']'}, "[\"fm ']'\"] ", "[\"fill mark ']'\"] "},
      {{fn::kFillMark, '"'}, "[\"fm '\\\"'\"] ", "[\"fill mark '\\\"'\"] "},
      {{fn::kFillMark}, "[fm] ", "[fill mark] "},
      {{fn::kBookmarkSet, 'a'}, "[bookmark set 'a'] ", "[bookmark set 'a'] "},
      {{fn::kQuitAll, E}, "[q all] ", "[quit all] "},
      {{fn::kEdit, E}, "[e] ", "[edit] "},
      {codes({{fn::kEdit}, chars("a]b"), {E}}), "[\"e a]b\"] ", "[\"edit a]b\"] "},
      {codes({{fn::kSave}, chars("/tmp/x"), {E}}), "[save /tmp/x] ", "[save /tmp/x] "},
      {{}, "", ""},
  };
  for (const Case& c : cases) {
    const std::string abbreviated = writer.write(c.codes, true);
    const std::string full = writer.write(c.codes, false);
    EXPECT_EQ(abbreviated, c.abbreviated);
    EXPECT_EQ(full, c.full);
    if (!c.codes.empty()) {
      expectRoundTrip(c.codes, abbreviated);
      expectRoundTrip(c.codes, full);
    }
  }
}

}  // namespace
}  // namespace tarn::command
