#include "command/profile_lines.h"

#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace tarn::command {
namespace {

class ProfileLinesTest : public ::testing::Test, public EditorFixture {
 protected:
  // Whether handling the line showed a message.
  bool handle(std::string_view text, ProfileMode mode = ProfileMode::Full) {
    editor.screen.clearMessage();
    EXPECT_TRUE(lines.handle(ProfileLine{"3:", std::string(text)}, mode)) << text;
    return editor.screen.messageShown();
  }
};

TEST_F(ProfileLinesTest, SettingsAndDefinitionsActInEveryMode) {
  for (ProfileMode mode : {ProfileMode::Full, ProfileMode::DefinitionsOnly}) {
    store.clear();
    EXPECT_FALSE(handle("  S Margins 2 60 3", mode));
    EXPECT_EQ(editor.settings.rightMargin, 60);
    EXPECT_FALSE(handle("def f5=[bl]", mode));
    EXPECT_EQ(definitionOf("f5"), std::vector<int>{fn::kBeginLine});
    EXPECT_FALSE(handle("syn x='y'", mode));
    EXPECT_EQ(synonymCodes("x"), chars("y"));
    EXPECT_TRUE(handle("d f5 [bl]", mode));
    EXPECT_TRUE(handle("set nosuch", mode));
  }
}

TEST_F(ProfileLinesTest, CommentsAndEmptyLinesDoNothing) {
  for (std::string_view text : {"", "   ", "* edit x", "  *[bl]"}) {
    EXPECT_FALSE(handle(text)) << text;
  }
  EXPECT_TRUE(host.opened.empty());
  EXPECT_TRUE(host.ran.empty());
}

TEST_F(ProfileLinesTest, BeforeAnyFileOnlyEditAndViewAreCommands) {
  EXPECT_FALSE(handle("edit notes.txt m"));
  EXPECT_FALSE(handle("V  readme "));
  EXPECT_FALSE(handle("quit all"));
  EXPECT_FALSE(handle("q"));
  EXPECT_TRUE(handle("[bl]"));
  EXPECT_TRUE(handle("save"));
  EXPECT_EQ(host.opened, (std::vector<std::string>{"edit notes.txt m", "view readme"}));
  EXPECT_TRUE(host.ran.empty());
}

TEST_F(ProfileLinesTest, OnceAFileIsOpenCommandsRunAsFunctionStrings) {
  host.loaded = true;
  EXPECT_FALSE(handle("  [bl]'x'"));
  EXPECT_FALSE(handle("quit"));
  EXPECT_FALSE(handle("e other.txt"));
  EXPECT_EQ(host.ran, (std::vector<std::string>{"[bl]'x'", "quit"}));
  EXPECT_EQ(host.opened, std::vector<std::string>{"edit other.txt"});
}

TEST_F(ProfileLinesTest, DefinitionsOnlyModeIgnoresEverythingElse) {
  host.loaded = true;
  for (std::string_view text : {"edit x", "view y", "[bl]", "quit", "nonsense"}) {
    EXPECT_FALSE(handle(text, ProfileMode::DefinitionsOnly)) << text;
  }
  EXPECT_TRUE(host.opened.empty());
  EXPECT_TRUE(host.ran.empty());
}

TEST_F(ProfileLinesTest, AContinuedDefinitionIsOneLine) {
  readProfileText("d f5=[bl] \\\n[ee]\n", [&](const ProfileLine& line) { return lines.handle(line, ProfileMode::Full); });
  EXPECT_EQ(definitionOf("f5"), (std::vector<int>{fn::kBeginLine, fn::kEraseEndLine}));
}

}  // namespace
}  // namespace tarn::command
