#include "command/decimal.h"

#include <gtest/gtest.h>

#include <climits>

namespace tarn::command {
namespace {

TEST(Decimal, ReadsLeadingDigitsAndStopsAtTheEndsOfInt) {
  struct Case {
    std::string_view text;
    int value;
  };
  const Case cases[] = {
      {"42", 42},         {"  -7", -7},     {"+3", 3},          {"12abc", 12},
      {"abc", 0},         {"", 0},          {"-", 0},           {"2147483647", INT_MAX},
      {"2147483648", INT_MAX}, {"99999999999999999999", INT_MAX}, {"-2147483648", INT_MIN},
      {"-99999999999999999999", INT_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(readDecimal(c.text), c.value) << c.text;
}

TEST(Decimal, DigitsOnly) {
  EXPECT_TRUE(isDigits("0123"));
  EXPECT_FALSE(isDigits(""));
  EXPECT_FALSE(isDigits("12a"));
  EXPECT_FALSE(isDigits("-1"));
}

}  // namespace
}  // namespace tarn::command
