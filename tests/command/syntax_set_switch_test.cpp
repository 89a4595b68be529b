#include "command/syntax_set_switch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "editor_fixture.h"

namespace tarn::command {
namespace {

class SyntaxSetSwitchTest : public ::testing::Test, public EditorFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(profiles.readBuiltin(ProfileMode::Full));
  }
  void TearDown() override {
    for (const std::string& path : written_) std::remove(path.c_str());
  }

  std::string profileFile(const std::string& name, std::string_view text) {
    const std::string path = testing::TempDir() + "syntax_set_switch_" + name;
    std::ofstream(path) << text;
    written_.push_back(path);
    return path;
  }

  std::string margins() { return *settings.settingLine("margins"); }
  std::string tabs() { return *settings.settingLine("tabs"); }

  SyntaxSetSwitch sets{editor, settings, profiles};

 private:
  std::vector<std::string> written_;
};

TEST_F(SyntaxSetSwitchTest, CutsSetCommandsAtCommasOutsideDoubleQuotes) {
  EXPECT_EQ(SyntaxSetSwitch::pieces("tabs 3 3, margins 1 72 1"),
            (std::vector<std::string>{"tabs 3 3", "margins 1 72 1"}));
  EXPECT_EQ(SyntaxSetSwitch::pieces("delimiters \", ;\",,  tabs 2 2 "),
            (std::vector<std::string>{"delimiters , ;", "tabs 2 2"}));
  EXPECT_TRUE(SyntaxSetSwitch::pieces("").empty());
}

TEST_F(SyntaxSetSwitchTest, ASetsCommandsHoldWhileItsFilesAreCurrent) {
  settings.set("set syntaxcoloringset3 tabs 3 3, margins 1 72 1");
  settings.set("set syntaxcoloringset5 tabs 4 4");

  sets.select(3);
  EXPECT_EQ(tabs(), "set tabs 3 3");
  EXPECT_EQ(margins(), "set margins 1 72 1 32767");

  // Set 5 names tabs only: the margins come back, the tabs keep their value
  // from before set 3 to come back to later.
  sets.select(5);
  EXPECT_EQ(tabs(), "set tabs 4 4");
  EXPECT_EQ(margins(), "set margins 1 254 1 32767");

  sets.select(5);
  EXPECT_EQ(tabs(), "set tabs 4 4");

  sets.select(-1);
  EXPECT_EQ(tabs(), "set tabs 9 8");
  EXPECT_TRUE(editor.engine.isTabStop(8));
  EXPECT_FALSE(editor.screen.messageShown());
}

TEST_F(SyntaxSetSwitchTest, ASetsProfileReplacesDefinitionsUntilAnotherSetProfileIsRead) {
  const std::string user = profileFile("user.pro", "d f5=[bl]\ns margins 2 60 2\n");
  profiles.loadAtStartup(user);
  ASSERT_EQ(definitionOf("f5"), std::vector<int>{fn::kBeginLine});

  const std::string c = profileFile("c.pro", "d f5=[ee]\nd f6=[dl]\nedit other.txt\n[bl]\n");
  const std::string py = profileFile("py.pro", "d f7=[il]\n");
  settings.set("set syntaxcoloringpro2 " + c);
  settings.set("set syntaxcoloringpro4 " + py);

  sets.select(2);
  EXPECT_EQ(definitionOf("f5"), std::vector<int>{fn::kEraseEndLine});
  EXPECT_EQ(definitionOf("f6"), std::vector<int>{fn::kDeleteLine});
  EXPECT_TRUE(host.opened.empty());
  EXPECT_TRUE(host.ran.empty());

  // Reading the built-in and user profiles again brings f5 and f6 back.
  sets.select(4);
  EXPECT_EQ(definitionOf("f5"), std::vector<int>{fn::kBeginLine});
  EXPECT_EQ(definitionOf("f6"), std::vector<int>{fn::kEraseEndLine});
  EXPECT_EQ(definitionOf("f7"), std::vector<int>{fn::kInsertLine});
  EXPECT_EQ(definitionOf("f2").size(), 7u);
  EXPECT_EQ(editor.settings.rightMargin, 60);
}

}  // namespace
}  // namespace tarn::command
