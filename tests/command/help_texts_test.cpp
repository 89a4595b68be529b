#include "command/help_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarn::command {
namespace {

class HelpTextsTest : public ::testing::Test {
 protected:
  // Stand-ins for the 59 setting help lines.
  static std::vector<std::string_view> settingLines() {
    static const std::vector<std::string> owned = [] {
      std::vector<std::string> lines;
      for (int i = 1; i <= 59; ++i) lines.push_back("set option" + std::to_string(i));
      return lines;
    }();
    return {owned.begin(), owned.end()};
  }

  FunctionTable table;
  HelpTexts help{table, settingLines()};
};

TEST_F(HelpTextsTest, NumbersCommandsAndFunctionsAsTheMessageFileDoes) {
  EXPECT_EQ(help.commandCount(), 111u);
  EXPECT_EQ(help.functionCount(), 167u);

  auto commands = help.commandLines();
  EXPECT_EQ(commands[0], "def <key>=[commands]: Define a key as a sequence of commands");
  EXPECT_EQ(commands[1], "syn <name>=[commands]: Define a synonym as a sequence of commands");
  EXPECT_EQ(commands[45], "tarn [s] <parameters>: Start another instance of TARN");
  EXPECT_EQ(commands[46], "append <filename>: Append the marked text to the specified file");
  EXPECT_EQ(commands[51], "words: Show the number of words in the file or in the mark");
  EXPECT_EQ(commands[52], "set option1");
  EXPECT_EQ(commands[110], "set option59");

  auto functions = help.functionLines();
  EXPECT_EQ(functions.front(), "backtab: [bt] Move cursor to the previous tab position");
  EXPECT_EQ(functions[10], "up: [up] Move cursor up one line");
  EXPECT_EQ(functions.back(), "pyrun: [py] Run the Python file specified");
}

TEST_F(HelpTextsTest, EveryListedLineHasText) {
  for (const std::string& line : help.commandLines()) EXPECT_FALSE(line.empty());
  for (const FunctionRow& row : table.rows()) {
    if (row.list != HelpList::None) {
      EXPECT_FALSE(row.help.empty()) << row.names[0];
    }
    if (row.list == HelpList::Function) {
      EXPECT_FALSE(row.names[1].empty()) << row.names[0];
    }
  }
}

TEST_F(HelpTextsTest, EditHasACommandLineAndAFunctionLine) {
  auto functions = help.functionLines();
  EXPECT_NE(std::find(functions.begin(), functions.end(), "edit: [ed] Open a new file"), functions.end());
  auto commands = help.commandLines();
  EXPECT_NE(std::find(commands.begin(), commands.end(),
                      "edit <filename> [mri]: Open the file specified in a new file window"),
            commands.end());
}

TEST_F(HelpTextsTest, ReplacesTextsByNumberWithinRange) {
  EXPECT_TRUE(help.setCommandHelp(1, "def <key>=[...]: Bind a key"));
  EXPECT_TRUE(help.setCommandHelp(111, "set last: replaced"));
  EXPECT_TRUE(help.setFunctionHelp(1, "Go back one tab stop"));
  EXPECT_TRUE(help.setFunctionHelp(167, "Run a Python script"));

  EXPECT_EQ(help.commandLines()[0], "def <key>=[...]: Bind a key");
  EXPECT_EQ(help.settingLines().back(), "set last: replaced");
  EXPECT_EQ(help.settingLines().size(), 59u);
  auto functions = help.functionLines();
  EXPECT_EQ(functions.front(), "backtab: [bt] Go back one tab stop");
  EXPECT_EQ(functions.back(), "pyrun: [py] Run a Python script");

  for (int outside : {0, -1, 112}) EXPECT_FALSE(help.setCommandHelp(outside, "x")) << outside;
  for (int outside : {0, -1, 168}) EXPECT_FALSE(help.setFunctionHelp(outside, "x")) << outside;
  EXPECT_EQ(help.commandCount(), 111u);
  EXPECT_EQ(help.functionCount(), 167u);
}

}  // namespace
}  // namespace tarn::command
