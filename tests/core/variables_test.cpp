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

TEST(Variables, NamesIgnoreCaseAndKeepTheirWidth) {
  Variables variables;
  variables.set("Name", "Ann", -10);
  variables.set("NAME", "Bob");
  ASSERT_NE(variables.find("name"), nullptr);
  EXPECT_EQ(*variables.find("name"), "Bob");
  EXPECT_EQ(variables.width("nAmE"), -10);
  EXPECT_EQ(variables.width("other"), 0);
  variables.set("_Kept", "1");
  variables.forgetLocals();
  EXPECT_EQ(variables.find("name"), nullptr);
  EXPECT_NE(variables.find("_KEPT"), nullptr);
}

}  // namespace
}  // namespace tarn
