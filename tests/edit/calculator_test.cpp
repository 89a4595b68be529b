#include "edit/calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_test_support.h"

namespace tarn::calc {
namespace {

struct Result {
  std::string_view expression;
  double value;
};

struct Failure {
  std::string_view expression;
  Error error;
};

class CalculatorTest : public ::testing::Test {
 protected:
  Evaluation run(std::string_view expression) { return evaluate(expression, variables, context); }

  void expectResults(std::initializer_list<Result> cases) {
    for (const Result& c : cases) {
      Evaluation e = run(c.expression);
      EXPECT_EQ(e.error, Error::None) << c.expression;
      EXPECT_EQ(e.value, c.value) << c.expression;
    }
  }

  void expectFailures(std::initializer_list<Failure> cases) {
    for (const Failure& c : cases) EXPECT_EQ(run(c.expression).error, c.error) << c.expression;
  }

  Variables variables;
  FakeCalcContext context;
};

TEST_F(CalculatorTest, PrecedenceAndAssociation) {
  expectResults({
      {"2+3*4", 14},     {"2*3+4", 10},       {"10-4-3", 3},     {"64/4/2", 8},
      {"2^3^2", 64},     {"1<2+1", 2},        {"2^1<2", 2},      {"3>2>1", 0},
      {"2<3*4", 4},      {"(1+2)*3", 9},      {"  7  ", 7},      {"2 - -3", 5},
      {"2*-3", -6},      {"2^-1", 0.5},       {"-(2+3)*2", -10}, {"+(4)", 4},
      {"!0", 1},         {"!5", 0},           {"!!5", 1},        {"!0+1", 2},
      {"|3-5", 2},       {"|3-5*2", 7},       {"2*|3-5", 4},     {"||-2", 2},
  });
}

TEST_F(CalculatorTest, Numbers) {
  expectResults({
      {"1.5+.5", 2},          {"3.", 3},          {"1e3", 1000},    {"2E-1", 0.2},
      {"+7", 7},              {"0x1F + 1", 32},   {"0Xff", 255},    {"-0x10", -16},
      {"0xFFFFFFFF", 4294967295.0},               {"0x00000000001", 1},
  });
}

TEST_F(CalculatorTest, FunctionsTakeAndGiveDegrees) {
  expectResults({
      {"SIN 30", 0.5},     {"SIN -30", -0.5},  {"SIN 390", 0.5},   {"SIN 180", 0},
      {"COS 60", 0.5},     {"COS 90", 0},      {"COS -180", -1},   {"TG 45", 1},
      {"TG 135", -1},      {"CTG 45", 1},      {"CTG 90", 0},      {"ASIN 0.5", 30},
      {"ASIN -0.5", -30},  {"ASIN 1", 90},     {"ACOS 0.5", 60},   {"ACOS -1", 180},
      {"ATG 1", 45},       {"ATG -1", -45},    {"EXP 0", 1},       {"LOG 1", 0},
      {"SQRT 16", 4},      {"INT 2.7", 2},     {"INT -2.7", -2},   {"ASIN SIN 150", 30},
  });
  EXPECT_NEAR(run("LOG EXP 2").value, 2, 1e-12);
  EXPECT_NEAR(run("SIN 45").value, std::sqrt(0.5), 1e-15);
}

TEST_F(CalculatorTest, FunctionNamesInAnyCaseTakeAPrimary) {
  expectResults({
      {"sin 30", 0.5}, {"Sqrt(9)", 3}, {"SIN(30)*2", 1}, {"SIN 30+1", 1.5}, {"SQRT SQRT 16", 2},
  });
}

TEST_F(CalculatorTest, FailuresAndTheirKinds) {
  expectFailures({
      {"1/0", Error::DivisionByZero},     {"1/(2-2)", Error::DivisionByZero},
      {"SQRT -(4)", Error::OutOfRange},   {"LOG 0", Error::OutOfRange},
      {"LOG -1", Error::OutOfRange},      {"ASIN 2", Error::OutOfRange},
      {"ACOS -1.5", Error::OutOfRange},   {"TG 90", Error::OutOfRange},
      {"TG -90", Error::OutOfRange},      {"CTG 0", Error::OutOfRange},
      {"CTG 180", Error::OutOfRange},     {"EXP 1000", Error::OutOfRange},
      {"10^400", Error::OutOfRange},      {"-8^0.5", Error::OutOfRange},
      {"1e999", Error::OutOfRange},       {"0x100000000", Error::OutOfRange},
      {"0xFFFFFFFFFFFFFFFFFFFFFFFF", Error::OutOfRange},
      {"", Error::MissingOperand},        {"2+", Error::MissingOperand},
      {"*3", Error::MissingOperand},      {"2+*3", Error::MissingOperand},
      {"SIN", Error::MissingOperand},     {"()", Error::MissingOperand},
      {"-x", Error::MissingOperand},      {"- 3", Error::MissingOperand},
      {"(2+3", Error::MissingBracket},    {"$(1,2", Error::MissingBracket},
      {"$(a)", Error::MissingBracket},    {"2 3", Error::TextLeftOver},
      {"2)", Error::TextLeftOver},        {"|3-5|", Error::TextLeftOver},
      {"1e", Error::TextLeftOver},        {"0x", Error::TextLeftOver},
  });
}

TEST_F(CalculatorTest, NegativeZeroComesOutAsZero) {
  Evaluation e = run("-(0)");
  ASSERT_TRUE(e.ok());
  EXPECT_FALSE(std::signbit(e.value));
  EXPECT_FALSE(std::signbit(run("0*-1").value));
}

std::string repeated(std::string_view piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST_F(CalculatorTest, NestingIsBoundedAndLongChainsAreNot) {
  const int deep = 100000;
  expectFailures({
      {repeated("(", deep) + "1" + repeated(")", deep), Error::TooDeep},
      {repeated("-(", deep) + "1" + repeated(")", deep), Error::TooDeep},
      {repeated("|", deep) + "1", Error::TooDeep},
      {repeated("SIN ", deep) + "1", Error::TooDeep},
      {repeated("(", deep), Error::TooDeep},
  });
  auto bracketed = [&](int depth) { return run(repeated("(", depth) + "1" + repeated(")", depth)); };
  // The outermost primary is the first level.
  EXPECT_TRUE(bracketed(kMaxNesting - 1).ok());
  EXPECT_EQ(bracketed(kMaxNesting).error, Error::TooDeep);

  EXPECT_EQ(run(repeated("!", deep) + "7").value, 1);
  EXPECT_EQ(run(repeated("1+", deep) + "1").value, deep + 1);
  EXPECT_EQ(run(repeated("2^1<", deep) + "2").value, 2);
}

TEST_F(CalculatorTest, VariablesAreAskedForOnceAndKeptAsText) {
  context.answers = {{"x", "3"}, {"word", "abc"}, {"lead", " 12abc"}};
  EXPECT_EQ(run("x*x + x").value, 12);
  EXPECT_EQ(context.asked, std::vector<std::string>{"x"});
  ASSERT_NE(variables.find("x"), nullptr);
  EXPECT_EQ(*variables.find("x"), "3");
  EXPECT_EQ(run("x+1").value, 4);
  EXPECT_EQ(context.asked.size(), 1u);

  variables.set("y", " 2.5 ");
  EXPECT_EQ(run("y*2").value, 5);
  // A value is read as its leading number, or 0.
  EXPECT_EQ(run("word+1").value, 1);
  EXPECT_EQ(run("lead").value, 12);
}

TEST_F(CalculatorTest, ACancelledPromptFailsAndStoresNothing) {
  EXPECT_EQ(run("1 + z").error, Error::Cancelled);
  EXPECT_EQ(variables.find("z"), nullptr);
  // Names run together with digits are variables, not function calls.
  EXPECT_EQ(run("SIN30").error, Error::Cancelled);
  EXPECT_EQ(context.asked, (std::vector<std::string>{"z", "SIN30"}));
}

TEST_F(CalculatorTest, NothingIsAskedOfAMalformedOrFailedExpression) {
  EXPECT_EQ(run("x + )").error, Error::MissingOperand);
  EXPECT_EQ(run("1/0 + y").error, Error::DivisionByZero);
  EXPECT_TRUE(context.asked.empty());
}

TEST_F(CalculatorTest, NumbersReadFromTheText) {
  context.lines = {"price 12.5 each", "  -3e2 tail", "short", "7", "big 1e999"};
  context.cursorPlace = {1, 7};
  expectResults({
      {"$", 12.5},           {"$(0,0)", 12.5},   {"$()", 12.5},       {"$(1)", 12.5},
      {"$(2,1)", -300},      {"$(+1,1)", -300},  {"$( +1 , -6 )", -300}, {"$(,1)", 0},
      {"$(3,10)", 0},        {"$(99,1)", 0},     {"$(-5,1)", 0},      {"$(1,-10)", 0},
      {"$(4,1)", 7},         {"$(4)", 0},        {"$ + $(4,1)", 19.5}, {"$(4,1)*2", 14},
      {"$(1000000000000,1)", 0},                 {"$(+99999999999,+99999999999)", 0},
  });
  context.cursorPlace = {4, 1};
  expectResults({{"$(-3,7)", 12.5}, {"$", 7}});
  EXPECT_EQ(run("$(5,5)").error, Error::OutOfRange);
}

}  // namespace
}  // namespace tarn::calc
