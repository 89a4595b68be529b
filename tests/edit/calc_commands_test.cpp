#include "edit/calc_commands.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc_test_support.h"

namespace tarn::calc {
namespace {

TEST(CalcCommand, ShowsTheResultAndItsIntegerPartInHexadecimal) {
  struct Case {
    std::string_view text;
    std::string_view message;
  };
  const Case cases[] = {
      {"2+3*4", "Result = 14 (0xE)"},
      {"0x1F + 1", "Result = 32 (0x20)"},
      {"1/3", "Result = 0.333333 (0x0)"},
      {"123456789", "Result = 1.23457e+08 (0x75BCD15)"},
      {"-1", "Result = -1 (0xFFFFFFFFFFFFFFFF)"},
      {"-2.5", "Result = -2.5 (0xFFFFFFFFFFFFFFFE)"},
      {"2^62", "Result = 4.61169e+18 (0x4000000000000000)"},
      {"-(2^63)", "Result = -9.22337e+18 (0x8000000000000000)"},
      {"2^63", "Result = 9.22337e+18"},
      {"1e300", "Result = 1e+300"},
  };
  Variables variables;
  FakeCalcContext context;
  for (const Case& c : cases) {
    CalcOutcome outcome = runCalc(c.text, variables, context);
    EXPECT_TRUE(outcome.evaluation.ok()) << c.text;
    EXPECT_EQ(outcome.message, c.message) << c.text;
    EXPECT_EQ(outcome.stored, "") << c.text;
  }
}

TEST(CalcCommand, AFailureSaysWhy) {
  struct Case {
    std::string_view text;
    Error error;
    std::string_view message;
  };
  const Case cases[] = {
      {"1/0", Error::DivisionByZero, "Cannot calculate: division by zero"},
      {"SQRT -(4)", Error::OutOfRange, "Cannot calculate: a value is out of range"},
      {"2+", Error::MissingOperand, "Cannot calculate: a number or name is missing"},
      {"(1+2", Error::MissingBracket, "Cannot calculate: a ( has no )"},
      {"1 2", Error::TextLeftOver, "Cannot calculate: text follows the expression"},
      {"x", Error::Cancelled, ""},  // the user knows: nothing more is said
  };
  Variables variables;
  FakeCalcContext context;
  for (const Case& c : cases) {
    CalcOutcome outcome = runCalc(c.text, variables, context);
    EXPECT_EQ(outcome.evaluation.error, c.error) << c.text;
    EXPECT_EQ(outcome.message, c.message) << c.text;
  }
}

TEST(CalcCommand, Assignments) {
  constexpr std::string_view kNoOperand = "Cannot calculate: a number or name is missing";
  constexpr std::string_view kNotAName = "Cannot calculate: only a variable can be given a value";
  struct Case {
    std::string_view text;
    std::optional<std::string> before;  // the variable's value text, when known
    std::optional<std::string> answer;  // given at its prompt
    Error error;
    std::string_view message;
    std::optional<std::string> after;
  };
  const Case cases[] = {
      {"n = 2+3", {}, {}, Error::None, "Result = 5 (0x5)", "5"},
      {" n=1/4 ", "7", {}, Error::None, "Result = 0.25 (0x0)", "0.25"},
      {"n = 0.1", {}, {}, Error::None, "Result = 0.1 (0x0)", "0.1"},
      {"n = 1e20", {}, {}, Error::None, "Result = 1e+20", "1e+20"},
      {"n += 5", "10", {}, Error::None, "Result = 15 (0xF)", "15"},
      {"n -= 1", "10", {}, Error::None, "Result = 9 (0x9)", "9"},
      {"n *= 3", "10", {}, Error::None, "Result = 30 (0x1E)", "30"},
      {"n /= 4", "10", {}, Error::None, "Result = 2.5 (0x2)", "2.5"},
      {"n+= n", "2", {}, Error::None, "Result = 4 (0x4)", "4"},
      {"n += 2", {}, "40", Error::None, "Result = 42 (0x2A)", "42"},
      {"n += 2", {}, {}, Error::Cancelled, "", {}},
      {"n /= 0", "10", {}, Error::DivisionByZero, "Cannot calculate: division by zero", "10"},
      {"n = ", "10", {}, Error::MissingOperand, kNoOperand, "10"},
      {"n == 1", {}, {}, Error::MissingOperand, kNoOperand, {}},
      {"3 = 4", {}, {}, Error::NotAName, kNotAName, {}},
      {"= 4", {}, {}, Error::NotAName, kNotAName, {}},
      {"a b = 4", {}, {}, Error::NotAName, kNotAName, {}},
      {"sin = 4", {}, {}, Error::NotAName, kNotAName, {}},
  };
  for (const Case& c : cases) {
    Variables variables;
    FakeCalcContext context;
    if (c.before) variables.set("n", *c.before);
    if (c.answer) context.answers["n"] = *c.answer;
    CalcOutcome outcome = runCalc(c.text, variables, context);
    EXPECT_EQ(outcome.evaluation.error, c.error) << c.text;
    EXPECT_EQ(outcome.message, c.message) << c.text;
    EXPECT_EQ(outcome.stored, c.error == Error::None ? "n" : "") << c.text;
    const std::string* after = variables.find("n");
    EXPECT_EQ(after ? std::optional<std::string>(*after) : std::nullopt, c.after) << c.text;
  }
}

TEST(CalcCommand, AMalformedRightSideAsksForNothing) {
  Variables variables;
  FakeCalcContext context;
  EXPECT_EQ(runCalc("n += )", variables, context).evaluation.error, Error::MissingOperand);
  EXPECT_TRUE(context.asked.empty());
}

TEST(CalculatedNumber, TheIntegerPartOrElseThePlainNumber) {
  struct Case {
    std::string_view argument;
    std::string_view typed;
  };
  const Case cases[] = {
      {"+5", "15"}, {"*2.5", "25"}, {"/3", "3"},    {"-20", "-10"},  {"", "10"},
      {"/0", "10"}, {"+", "10"},    {"+x", "10"},  {"*1e300", "10"}, {"<$", "1"},
  };
  Variables variables;
  FakeCalcContext context;
  context.lines = {"99"};
  for (const Case& c : cases)
    EXPECT_EQ(calculatedNumber(10, c.argument, variables, context), c.typed) << c.argument;
}

}  // namespace
}  // namespace tarn::calc
