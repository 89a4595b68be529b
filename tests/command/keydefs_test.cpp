#include "command/keydefs.h"

#include <gtest/gtest.h>

#include <memory>

#include "editor_fixture.h"

namespace tarn::command {
namespace {

std::vector<std::string> keydefsOf(EditorFixture& f) {
  return keydefsLines(f.store, f.keys, f.writer, f.editor.settings.abbrev, f.settings.allSettingLines());
}

// Reads .keydefs lines into a fresh editor as a profile would be read.
std::unique_ptr<EditorFixture> readBack(const std::vector<std::string>& lines) {
  auto fresh = std::make_unique<EditorFixture>();
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  readProfileText(text, [&](const ProfileLine& line) { return fresh->lines.handle(line, ProfileMode::Full); });
  EXPECT_FALSE(fresh->editor.screen.messageShown());
  return fresh;
}

void expectSameStore(const DefinitionStore& a, const DefinitionStore& b) {
  ASSERT_EQ(a.synonyms().size(), b.synonyms().size());
  for (int entry = 0; entry < a.synonyms().size(); ++entry) EXPECT_EQ(a.synonyms().name(entry), b.synonyms().name(entry));
  for (int keyClass = 0; keyClass < kDefinitionClasses; ++keyClass) {
    for (int slot = 0; slot < kDefinitionSlots; ++slot) {
      EXPECT_EQ(a.keyCode(keyClass, slot), b.keyCode(keyClass, slot)) << keyClass << "/" << slot;
      auto x = a.codes(keyClass, slot);
      auto y = b.codes(keyClass, slot);
      EXPECT_TRUE(std::equal(x.begin(), x.end(), y.begin(), y.end())) << keyClass << "/" << slot;
    }
  }
}

class KeydefsTest : public ::testing::Test, public EditorFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(profiles.readBuiltin(ProfileMode::Full));
    for (std::string_view line : {
             "syn first = 'x'",
             "syn later = [bl][ee]",
             "syn first = [later 2] 'x'",
             "syn quoted = 'it\\'s' [\"set delimiters \\\" ,.\\\"\"]",
             "syn empty = ''",
             "d c-q = [later][fm 'z'][bookmark goto 'k'][column 12][65][c/a/b/*][\"define f6 = [ee]\"]",
             "d x-tab = [sd 3][line 4 2][key f2 3][\"edit a]b.txt\"]",
             "d f6 =",
             "s margins 3 72 5 999",
             "s tabs 4 10 20",
             "s statusline on red yellow white off",
             "s syntaxcoloringset3 tabs 3 3, margins 1 72 1",
             "s codepage 850",
             "s date [yyyy]-[mm]-[dd]",
         }) {
      ASSERT_TRUE(lines.handle(ProfileLine{"", std::string(line)}, ProfileMode::Full));
      ASSERT_FALSE(editor.screen.messageShown()) << line;
    }
  }
};

TEST_F(KeydefsTest, WritesThreeBlocksOfProfileLines) {
  const std::vector<std::string> all = keydefsOf(*this);
  // A synonym uses a later one, so the names come first, empty.
  ASSERT_GE(all.size(), 8u + 1u + 478u + 1u + 137u);
  EXPECT_EQ(all[0], "syn first = ");
  EXPECT_EQ(all[4], "syn first = [later 2] 'x' ");
  EXPECT_EQ(all[7], "syn empty = '' ");
  EXPECT_EQ(all[8], "");
  EXPECT_EQ(all[9], "def up = [up] ");
  EXPECT_EQ(all[9 + 478], "");
  EXPECT_EQ(all.size(), 8u + 1u + 478u + 1u + 137u);
  EXPECT_EQ(all.back(), "set keeplineends off");

  auto line = [&](std::string_view start) {
    auto found = std::find_if(all.begin(), all.end(), [&](const std::string& l) { return l.starts_with(start); });
    return found == all.end() ? std::string() : *found;
  };
  EXPECT_EQ(line("def f2 "), "def f2 = [cursor command] [begin line] [erase end line] 'save' ");
  EXPECT_EQ(line("def f6 "), "def f6 = ");
  EXPECT_EQ(line("def a-0 "), "def a-0 = [\"set margins 1 100 1\"] ");
  EXPECT_EQ(line("def s-f3 "), "def s-f3 = ");
  EXPECT_EQ(line("def insert "), "def insert = [insert toggle] ");
  EXPECT_EQ(line("set margins"), "set margins 3 72 5 999");

  editor.settings.abbrev = true;
  const std::vector<std::string> abbreviated = keydefsOf(*this);
  EXPECT_NE(std::find(abbreviated.begin(), abbreviated.end(), "def f2 = [cc] [bl] [ee] 'save' "), abbreviated.end());
}

TEST_F(KeydefsTest, LoadingItTwiceGivesTheSameText) { EXPECT_EQ(keydefsOf(*this), keydefsOf(*this)); }

TEST_F(KeydefsTest, ReadingItBackRestoresTheDefinitionsAndSettings) {
  for (bool abbrev : {false, true}) {
    editor.settings.abbrev = abbrev;
    const std::vector<std::string> written = keydefsOf(*this);
    auto restored = readBack(written);
    expectSameStore(store, restored->store);
    EXPECT_EQ(keydefsOf(*restored), written);
    EXPECT_EQ(restored->console.codePage(), 850);
    EXPECT_EQ(restored->editor.settings.syntax[3].setCommands, "tabs 3 3, margins 1 72 1");
  }
}

}  // namespace
}  // namespace tarn::command
