#include "edit/keyword_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "edit/token_classes.h"
#include "keyword_text.h"

namespace tarn {
namespace {

KeywordSet fromText(std::string_view text) {
  KeywordSet set;
  readKeywordText(set, text, false);
  return set;
}

int valueOf(const KeywordSet& set, std::string_view word) { return set.keywords().find(word); }

TEST(KeywordFile, EveryDirective) {
  const KeywordSet set = fromText(keywordFile({
      "* a remark line",
      "$$TARN_SEPARATORS=+-",
      "$$TARN_REMARK_BEGIN=(*",
      "$$TARN_REMARK_END=*)",
      "$$TARN_REMARK_LINE=--",
      "$$TARN_REMARK_COLUMN=7",
      "$$TARN_REMARK_AFTER=73",
      "$$TARN_SEQUENCE_BEFORE=8",
      "$$TARN_STRINGS=`",
      "$$TARN_IGNORE_CASE$$",
      "Begin",
      "$$TARN_END_KEYWORDS$$",
      "End",
  }));
  EXPECT_EQ(set.separators(), "+-");
  EXPECT_EQ(set.remarkBegin.text(), "(*");
  EXPECT_EQ(set.remarkEnd.text(), "*)");
  EXPECT_EQ(set.remarkLine.text(), "--");
  EXPECT_EQ(set.remarkColumn, 7);
  EXPECT_EQ(set.remarkAfter, 73);
  EXPECT_EQ(set.sequenceBefore, 8);
  EXPECT_EQ(set.stringDelimiters(), "`");
  EXPECT_TRUE(set.ignoreCase);
  EXPECT_TRUE(set.keywordsEnded);
  EXPECT_EQ(valueOf(set, "begin"), keyword_bit::kListedFirst);
  EXPECT_EQ(valueOf(set, "end"), 0);
  EXPECT_EQ(set.keywords().size(), 2u);
}

TEST(KeywordFile, DefaultsWithoutDirectives) {
  const KeywordSet set = fromText("");
  EXPECT_EQ(set.separators(), "(){}[]<>+-*/=%!|^&~,.;:?");
  EXPECT_EQ(set.remarkBegin.text(), "/*");
  EXPECT_EQ(set.remarkEnd.text(), "*/");
  EXPECT_EQ(set.remarkLine.text(), "//");
  EXPECT_EQ(set.stringDelimiters(), "\"'");
  EXPECT_EQ(set.remarkColumn, 0);
  EXPECT_EQ(set.remarkAfter, 0);
  EXPECT_EQ(set.sequenceBefore, 0);
  EXPECT_FALSE(set.ignoreCase);
}

TEST(KeywordFile, LinesAreTakenAtTheirLineEnd) {
  // CR LF, LF alone and CR alone end a line; the last line has none and is left out.
  const KeywordSet set = fromText("crlf\r\nlf\ncr\r\r\nlast");
  EXPECT_NE(valueOf(set, "crlf"), KeywordTable::kAbsent);
  EXPECT_NE(valueOf(set, "lf"), KeywordTable::kAbsent);
  EXPECT_NE(valueOf(set, "cr"), KeywordTable::kAbsent);
  EXPECT_EQ(valueOf(set, "last"), KeywordTable::kAbsent);
  EXPECT_EQ(set.keywords().size(), 3u);
}

TEST(KeywordFile, LinesThatAreNoDirectiveAreKeywords) {
  const KeywordSet set = fromText(keywordFile({
      "$$TARN_END_KEYWORDS$$ ",  // whole-line directives take no more
      "$$tarn_ignore_case$$",    // names count their case
      "$$TARN_REMARK_BEGIN",     // the = belongs to the name
      "$x",
      "two words",
      " lead",
  }));
  EXPECT_FALSE(set.keywordsEnded);
  EXPECT_FALSE(set.ignoreCase);
  EXPECT_EQ(set.remarkBegin.text(), "/*");
  for (std::string_view word : {"$$TARN_END_KEYWORDS$$ ", "$$tarn_ignore_case$$", "$$TARN_REMARK_BEGIN", "$x",
                                "two words", " lead"})
    EXPECT_EQ(valueOf(set, word), keyword_bit::kListedFirst) << word;
}

TEST(KeywordFile, IgnoreCaseLowersOnlyTheWordsAfterIt) {
  const KeywordSet set = fromText(keywordFile({"Before", "$$TARN_IGNORE_CASE$$", "AFTER"}));
  EXPECT_EQ(valueOf(set, "Before"), keyword_bit::kListedFirst);
  EXPECT_EQ(valueOf(set, "after"), keyword_bit::kListedFirst);
  EXPECT_EQ(set.wordClass("aFtEr"), token::kKeyword);
  EXPECT_EQ(set.wordClass("Before"), token::kWord);
}

TEST(KeywordFile, OverLongAndOddValuesAreCut) {
  const std::string separators(1100, '+');
  const KeywordSet set = fromText(keywordFile({
      "$$TARN_REMARK_BEGIN=123456789012",
      "$$TARN_STRINGS=abcdefghijkl",
      "$$TARN_SEPARATORS=" + separators,
      "$$TARN_REMARK_COLUMN=x",
      "$$TARN_REMARK_AFTER= 12ab",
      "$$TARN_SEQUENCE_BEFORE=99999999999999999999",
  }));
  EXPECT_EQ(set.remarkBegin.text(), "1234567890");
  EXPECT_EQ(set.stringDelimiters(), "abcdefghij");
  EXPECT_EQ(set.separators().size(), 1023u);
  EXPECT_EQ(set.remarkColumn, 0);
  EXPECT_EQ(set.remarkAfter, 12);
  EXPECT_EQ(set.sequenceBefore, 1'000'000);
}

TEST(KeywordFile, EmptyValuesSwitchOff) {
  const KeywordSet set = fromText(keywordFile({"$$TARN_REMARK_LINE=", "$$TARN_STRINGS=", "$$TARN_SEPARATORS="}));
  EXPECT_TRUE(set.remarkLine.empty());
  EXPECT_TRUE(set.stringDelimiters().empty());
  EXPECT_TRUE(set.separators().empty());
}

TEST(KeywordFile, FirstDefinitionStaysUnlessReplaced) {
  const std::string later = keywordFile({"$$TARN_END_KEYWORDS$$", "both", "new"});
  KeywordSet kept = fromText(keywordFile({"both", "both"}));
  readKeywordText(kept, later, false);
  EXPECT_EQ(valueOf(kept, "both"), keyword_bit::kListedFirst);
  EXPECT_EQ(valueOf(kept, "new"), 0);

  KeywordSet replaced = fromText(keywordFile({"both"}));
  readKeywordText(replaced, later, true);
  EXPECT_EQ(valueOf(replaced, "both"), 0);
}

TEST(KeywordFile, BinaryBytesAndLongLinesAreWords) {
  std::string text = keywordFile({std::string_view("\0\x01\xff", 3)});
  text += std::string(100000, 'x') + "\r\n";
  const KeywordSet set = fromText(text);
  EXPECT_EQ(valueOf(set, std::string_view("\0\x01\xff", 3)), keyword_bit::kListedFirst);
  EXPECT_EQ(valueOf(set, std::string(100000, 'x')), keyword_bit::kListedFirst);
}

TEST(KeywordFile, NamesOfTheSets) {
  EXPECT_EQ(keywordFileName(0), "TARN.Kwd");
  EXPECT_EQ(keywordFileName(3), "TARN.Kwd3");
  EXPECT_EQ(keywordFileName(19), "TARN.Kwd19");
}

TEST(LearnedWords, TakeTheBitsOfTheFile) {
  KeywordSet listed = fromText(keywordFile({"a", "$$TARN_END_KEYWORDS$$"}));
  KeywordSet folded = fromText(keywordFile({"$$TARN_IGNORE_CASE$$"}));
  EXPECT_TRUE(listed.learn("w"));
  EXPECT_FALSE(listed.learn("a"));
  EXPECT_FALSE(listed.learn("w"));
  EXPECT_FALSE(listed.learn(""));
  EXPECT_EQ(valueOf(listed, "w"), keyword_bit::kLearned);
  EXPECT_EQ(valueOf(listed, "a"), keyword_bit::kListedFirst);
  EXPECT_TRUE(folded.learn("Word"));
  EXPECT_FALSE(folded.learn("WORD"));
  EXPECT_EQ(valueOf(folded, "word"), keyword_bit::kLearned | keyword_bit::kListedFirst);
  EXPECT_EQ(folded.unsavedWords(), std::vector<std::string>{"word"});
}

TEST(LearnedWords, AreOfferedWithTheKeywordsToComplete) {
  KeywordSet set = fromText(keywordFile({"Print", "private", "$$TARN_END_KEYWORDS$$", "println", "pr", "int"}));
  set.learn("PrimeCount");
  EXPECT_EQ(set.keywordsStartingWith("PRI"),
            (std::vector<std::string>{"PrimeCount", "Print", "println", "private"}));
  EXPECT_EQ(set.keywordsStartingWith("x"), std::vector<std::string>{});
}

class KeywordFileOnDisk : public testing::Test {
 protected:
  void TearDown() override { std::remove(path.c_str()); }
  void write(std::string_view bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  std::string contents() {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // ctest runs the tests of this fixture side by side: each has a file of its own.
  const std::string path = testing::TempDir() + "keyword_file_test_" +
                           testing::UnitTest::GetInstance()->current_test_info()->name() + ".kwd";
};

TEST_F(KeywordFileOnDisk, LoadsAFileAndFailsOnAMissingOne) {
  write(keywordFile({"$$TARN_REMARK_LINE=#", "def"}));
  KeywordSet set;
  ASSERT_TRUE(loadKeywordFile(set, path, false));
  EXPECT_EQ(set.remarkLine.text(), "#");
  EXPECT_EQ(set.wordClass("def"), token::kKeyword);

  KeywordSet missing;
  EXPECT_FALSE(loadKeywordFile(missing, path + ".none", false));
  EXPECT_EQ(missing.keywords().size(), 0u);
  EXPECT_FALSE(loadKeywordFile(missing, testing::TempDir(), false));
}

TEST_F(KeywordFileOnDisk, LearnedWordsAreAppendedOnce) {
  write("int\r\nlast");  // the last line has no line end yet
  KeywordSet set;
  ASSERT_TRUE(loadKeywordFile(set, path, false));
  set.learn("alpha");
  set.learn("beta");
  ASSERT_TRUE(saveLearnedWords(set, path));
  EXPECT_EQ(contents(), "int\r\nlast\r\nalpha\r\nbeta\r\n");
  EXPECT_TRUE(set.unsavedWords().empty());

  set.learn("gamma");
  ASSERT_TRUE(saveLearnedWords(set, path));
  EXPECT_EQ(contents(), "int\r\nlast\r\nalpha\r\nbeta\r\ngamma\r\n");

  KeywordSet reloaded;
  ASSERT_TRUE(loadKeywordFile(reloaded, path, false));
  EXPECT_EQ(reloaded.wordClass("gamma"), token::kKeyword);
}

TEST_F(KeywordFileOnDisk, SavingNeedsTheFile) {
  KeywordSet set;
  set.learn("alpha");
  EXPECT_FALSE(saveLearnedWords(set, path));
  EXPECT_EQ(set.unsavedWords().size(), 1u);
  std::ifstream created(path);
  EXPECT_FALSE(created.is_open());

  write("");
  ASSERT_TRUE(saveLearnedWords(set, path));
  EXPECT_EQ(contents(), "alpha\r\n");
}

}  // namespace
}  // namespace tarn
