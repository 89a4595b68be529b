#include "core/variables.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(Variables, UnderscoreNamesOutliveTheLocalOnes) {
  Variables variables;
  variables.set("_kept", "1");
  variables.set("local", "2");
  variables.set("local", "3");
  EXPECT_EQ(*variables.find("local"), "3");
  EXPECT_EQ(variables.find("unknown"), nullptr);
  variables.forgetLocals();
  EXPECT_EQ(variables.find("local"), nullptr);
  ASSERT_NE(variables.find("_kept"), nullptr);
  EXPECT_EQ(*variables.find("_kept"), "1");
}

}  // namespace
}  // namespace tarn
