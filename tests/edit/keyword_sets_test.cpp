#include "edit/keyword_sets.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "edit/token_classes.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

class KeywordSetsTest : public testing::Test {
 protected:
  KeywordSetsTest() : dir_(fs::path(testing::TempDir()) / ("tarn-keyword-sets-" + std::to_string(getpid()))) {
    fs::create_directories(dir_);
  }
  ~KeywordSetsTest() override { fs::remove_all(dir_); }

  void write(const std::string& name, const std::string& text) { std::ofstream(dir_ / name, std::ios::binary) << text; }
  std::string read(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::string directory() const { return dir_.string() + "/"; }

  fs::path dir_;
};

TEST_F(KeywordSetsTest, ASetIsReadFromItsFileTheFirstTimeItIsUsed) {
  write("tarn.kwd3", "$$TARN_REMARK_LINE=#\r\nwhile\r\n");  // names match in any case
  KeywordSets sets(directory());
  EXPECT_EQ(sets.loaded(3), nullptr);
  const KeywordSet& set = sets.use(3);
  EXPECT_EQ(set.wordClass("while"), token::kKeyword);
  EXPECT_EQ(set.remarkLine.text(), "#");
  EXPECT_EQ(sets.loaded(3), &set);
  EXPECT_EQ(sets.fileOf(3), directory() + "tarn.kwd3");

  // Read once: a later change of the file is not seen.
  write("tarn.kwd3", "until\r\n");
  EXPECT_EQ(sets.use(3).wordClass("until"), token::kWord);
}

TEST_F(KeywordSetsTest, ASetWithoutAFileHasTheDefaultSyntax) {
  KeywordSets sets(directory());
  const KeywordSet& set = sets.use(5);
  EXPECT_EQ(set.keywords().size(), 0u);
  EXPECT_EQ(set.remarkBegin.text(), "/*");
  EXPECT_TRUE(sets.fileOf(5).empty());
}

TEST_F(KeywordSetsTest, ChoosingLoadsTheSetOfTheFileName) {
  write("TARN.Kwd2", "def\r\n");
  std::array<SyntaxSetSettings, kSyntaxSets> settings;
  settings[2].extensions = {".py"};
  KeywordSets sets(directory());
  EXPECT_EQ(sets.choose(settings, "a.txt"), -1);
  EXPECT_EQ(sets.choose(settings, "/src/a.py"), 2);
  ASSERT_NE(sets.loaded(2), nullptr);
  EXPECT_EQ(sets.loaded(2)->wordClass("def"), token::kKeyword);
}

TEST_F(KeywordSetsTest, LearnedWordsGoToTheSetsFileOrElseToTarntemp) {
  write("TARN.Kwd", "int\r\n");
  write("TARN.Kwd1", "def\r\n");
  KeywordSets sets(directory());
  sets.use(0).learn("alpha");
  sets.use(1).learn("beta");
  sets.use(4).learn("gamma");  // a set without a file
  fs::remove(dir_ / "TARN.Kwd1");  // gone since it was read
  EXPECT_TRUE(sets.saveLearnedWords().empty());
  EXPECT_EQ(read("TARN.Kwd"), "int\r\nalpha\r\n");
  EXPECT_EQ(read("tarntemp.kwd"), "beta\r\ngamma\r\n");
  EXPECT_FALSE(fs::exists(dir_ / "TARN.Kwd1"));

  // Saved once.
  EXPECT_TRUE(sets.saveLearnedWords().empty());
  EXPECT_EQ(read("TARN.Kwd"), "int\r\nalpha\r\n");
}

TEST_F(KeywordSetsTest, WordsThatCannotBeSavedAnywhereAreReported) {
  KeywordSets sets(directory() + "missing/");
  sets.use(6).learn("delta");
  EXPECT_EQ(sets.saveLearnedWords(), std::vector<int>{6});
}

}  // namespace
}  // namespace tarn
