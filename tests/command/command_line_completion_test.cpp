#include "command/command_line_completion.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace tarn::command {
namespace {

using Names = std::vector<std::string>;

CommandLineCompletion complete(std::string_view text) {
  static const FunctionTable functions;
  return completeCommandLine(functions, text, text.size());
}

TEST(CommandLineCompletion, InsideABracketFunctionNamesWithTheirBlanks) {
  const CommandLineCompletion found = complete("[bl][next k");
  EXPECT_EQ(found.start, 5u);
  EXPECT_EQ(found.end, 11u);
  EXPECT_EQ(found.candidates, Names{"next keyword"});
  EXPECT_EQ(complete("[PREV S").candidates, (Names{"prev separator", "prev string"}));
  EXPECT_TRUE(complete("[bl] x").candidates.empty()) << "after the bracket closed";
}

TEST(CommandLineCompletion, TheFirstWordAndTheWordsOfOtherCommandsAreCommandNames) {
  const CommandLineCompletion found = complete("  sav");
  EXPECT_EQ(found.start, 2u);
  EXPECT_EQ(found.candidates, Names{"save"});
  EXPECT_EQ(complete("qui").candidates, (Names{"quit", "quit all"}));
  EXPECT_EQ(complete("set sav").candidates, Names{"save"});
  EXPECT_TRUE(complete("upp").candidates.empty()) << "function names are no commands";
  EXPECT_TRUE(complete("save").candidates.empty()) << "the name itself is no candidate";
}

TEST(CommandLineCompletion, TheCommandsThatTakeAFileCompleteFileNames) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(testing::TempDir()) / ("tarn-completion-" + std::to_string(getpid()));
  fs::create_directories(dir / "alps");
  std::ofstream(dir / "alpha.txt") << "x";
  std::ofstream(dir / "Alto.txt") << "x";
  std::ofstream(dir / ".alpine") << "x";
  const std::string d = dir.string() + "/";

  const CommandLineCompletion found = complete("e " + d + "al");
  EXPECT_EQ(found.start, 2u);
  EXPECT_EQ(found.candidates, (Names{d + "alpha.txt", d + "alps/"}));
  EXPECT_EQ(complete("SAVE  " + d + ".al").candidates, Names{d + ".alpine"});
  EXPECT_EQ(complete("html " + d + "A").candidates, Names{d + "Alto.txt"});
  EXPECT_EQ(complete("set " + d + "al").candidates, Names{}) << "not a command that takes a file";
  EXPECT_TRUE(complete("e " + d + "none/x").candidates.empty());
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tarn::command
