#include "command/templates.h"

#include <gtest/gtest.h>

#include "command/directive_text.h"

namespace tarn::command {
namespace {

using Kind = Directive::Kind;

TEST(Directives, AreReadAsWordNameOperatorWidthAndValue) {
  struct Case {
    std::string_view text;
    Kind kind;
    std::string_view name;
    std::string_view op;
    std::optional<double> width;
    std::string_view value;
  };
  const Case cases[] = {
      {"name", Kind::Variable, "name", "", {}, ""},
      {"name=[-10]Joe", Kind::Variable, "name", "=", -10, "Joe"},
      {"@input name", Kind::Input, "name", "", {}, ""},
      {"@INPUT  Your name=anon", Kind::Input, "Your name", "=", {}, "anon"},
      {"@input\"a=b\"=c", Kind::Input, "a=b", "=", {}, "c"},
      {"@set n=5", Kind::Set, "n", "=", {}, "5"},
      {"@set n = 5", Kind::Set, "n ", "=", {}, " 5"},
      {"@set n=[8.2]x", Kind::Set, "n", "=", 8.2, "x"},
      {"@set n=[8.2x]y", Kind::Set, "n", "=", {}, "[8.2x]y"},
      {"@set n=[123456789012345678901]y", Kind::Set, "n", "=", {}, "[123456789012345678901]y"},
      {"@calc t=[6.2]a*(b+1)", Kind::Calc, "t", "=", 6.2, "a*(b+1)"},
      {"@calc t=a<b", Kind::Calc, "t", "=", {}, "a<b"},
      {"@if n>=5", Kind::If, "n", ">=", {}, "5"},
      {"@if n<>five", Kind::If, "n", "<>", {}, "five"},
      {"@if n<5", Kind::If, "n", "<", {}, "5"},
      {"@if n>5", Kind::If, "n", ">", {}, "5"},
      {"@if n=\"a<b\"", Kind::If, "n", "=", {}, "a<b"},
      {"@if =5", Kind::If, "", "=", {}, "5"},
      {"@else", Kind::Else, "", "", {}, ""},
      {"@endif", Kind::Endif, "", "", {}, ""},
      {"@nosuch x", Kind::Unknown, "x", "", {}, ""},
  };
  for (const Case& c : cases) {
    Directive d = parseDirective(c.text);
    EXPECT_EQ(d.kind, c.kind) << c.text;
    EXPECT_EQ(d.name, c.name) << c.text;
    EXPECT_EQ(d.op, c.op) << c.text;
    EXPECT_EQ(d.width, c.width) << c.text;
    EXPECT_EQ(d.value, c.value) << c.text;
  }
  Directive functions = parseDirective("[bl]'x'");
  EXPECT_EQ(functions.kind, Kind::Function);
  EXPECT_EQ(functions.function, "[bl]'x'");
}

TEST(Directives, TestsCompareTextOrNumbers) {
  struct Case {
    std::string_view left, op, right;
    bool holds;
  };
  const Case cases[] = {
      {"Yes", "=", "yes", true},  {"yes", "<>", "YES", false}, {"a", "<>", "b", true},
      {"5", ">=", "5", true},     {"5", "<", "5", false},      {"10", ">", "9", true},
      {"10", "<", "9", false},    {"-2.5", "<", "-2", true},   {" 7", "<=", "7.0", true},
      {"ABC", "<=", "abc", true}, {"abc", ">", "x", false},    {"+3", "=", "3", false},
  };
  for (const Case& c : cases) EXPECT_EQ(holds(c.left, c.op, c.right), c.holds) << c.left << c.op << c.right;
}

TEST(Directives, WidthsPadAndFormat) {
  EXPECT_EQ(padded("ab", 5), "   ab");
  EXPECT_EQ(padded("ab", -5), "ab   ");
  EXPECT_EQ(padded("abcdef", 3), "abcdef");
  EXPECT_EQ(padded("ab", 0), "ab");
  EXPECT_EQ(padded("ab", 1e300).size(), 32767u);
  EXPECT_EQ(calculatedText(2.5, {}), "2.5");
  EXPECT_EQ(calculatedText(1.0 / 3, {}), "0.333333333333333");
  EXPECT_EQ(calculatedText(1.0 / 3, 8.2), "    0.33");
  EXPECT_EQ(calculatedText(2, 0.3), "2.000");
  EXPECT_EQ(calculatedText(2.5, -6.1), "2.5   ");
  EXPECT_EQ(calculatedText(2.7, 3), "  3");
  EXPECT_EQ(calculatedText(1e300, 0.2).size(), 304u);
}

}  // namespace
}  // namespace tarn::command
