// The help file marks with a * the keys and commands that later work builds,
// and nothing else.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "command/ascii.h"
#include "command/words.h"
#include "editor_fixture.h"

namespace tarn::command {
namespace {

// The non-empty lines of the section under a title (a title is underlined).
std::vector<std::string> helpSection(const std::string& title) {
  std::ifstream in(TARN_SOURCE_DIR "/data/TARN.Hlp");
  std::vector<std::string> all;
  for (std::string line; std::getline(in, line);) all.push_back(line);
  std::vector<std::string> lines;
  auto isTitle = [&](size_t i) { return i + 1 < all.size() && all[i + 1].starts_with("---"); };
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i] != title || !isTitle(i)) continue;
    for (size_t j = i + 2; j < all.size() && !isTitle(j); ++j)
      if (!all[j].empty()) lines.push_back(all[j]);
  }
  return lines;
}

bool marked(const std::string& line) { return line.ends_with("*"); }

TEST(HelpFile, CommandsNotAvailableYetAreMarked) {
  FunctionTable functions;
  std::vector<std::string> lines = helpSection("Commands");
  ASSERT_GT(lines.size(), 40u);
  for (const std::string& line : lines) {
    // "pyexec, pycall, pyrun run ...": names up to the first without a comma.
    bool later = false;
    for (std::string_view word : splitWords(line)) {
      bool more = word.ends_with(",");
      if (more) word.remove_suffix(1);
      auto code = functions.codeOf(word);
      ASSERT_TRUE(code) << line;
      later = later || functions.isLater(*code);
      if (!more) break;
    }
    EXPECT_EQ(marked(line), later) << line;
  }
}

// "Ctrl+PgUp" as a key name: "c-pgup".
std::string keyName(std::string_view label) {
  std::string name;
  for (auto [word, prefix] : {std::pair{"Ctrl+", "c-"}, {"Alt+", "a-"}, {"Shift+", "s-"}}) {
    if (label.starts_with(word)) {
      name = prefix;
      label.remove_prefix(std::string_view(word).size());
    }
  }
  return name + asciiLower(label);
}

TEST(HelpFile, KeysOfFunctionsNotAvailableYetAreMarked) {
  EditorFixture f;
  ASSERT_TRUE(f.profiles.readBuiltin(ProfileMode::Full));
  int checked = 0;
  for (const std::string& line : helpSection("Keys of the built-in profile")) {
    if (!line.starts_with("  ") || line.size() < 24) continue;  // a group's heading
    std::vector<std::string_view> labels = splitWords(std::string_view(line).substr(2, 22));
    bool later = false;
    bool allKeys = !labels.empty();
    for (std::string_view label : labels) {
      std::string name = keyName(label);
      if (!f.keys.find(name)) allKeys = false;
      for (int code : f.definitionOf(name)) later = later || f.functions.isLater(code);
    }
    if (!allKeys) continue;  // "Alt+0 .. Alt+9", "keypad + and -"
    EXPECT_EQ(marked(line), later) << line;
    ++checked;
  }
  EXPECT_GT(checked, 40);
}

}  // namespace
}  // namespace tarn::command
