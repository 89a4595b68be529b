#include "edit/word_completion.h"

#include <gtest/gtest.h>

#include "keyword_text.h"

namespace tarn {
namespace {

using Names = std::vector<std::string>;

class WordCompletion : public testing::Test {
 protected:
  void fill(const std::vector<std::string>& lines, int current) {
    doc.freeLines();
    for (const std::string& line : lines) doc.appendLine(makeLine(line));
    doc.addSentinels();
    doc.currentLineNumber = toIndex(UserLine(current));
    doc.current = doc.lineAt(doc.currentLineNumber);
  }

  Document doc{1, 0, OptionRow{}};
  const KeywordSet set = keywordSet({"Print", "private", "$$TARN_END_KEYWORDS$$", "int"});
};

TEST_F(WordCompletion, KeywordsAndTheWordsAroundTheCursor) {
  fill({"primary = 1;", "prior(x) + pri.prime", "x"}, 2);
  const TextCompletion found = completeInText(doc, 14, &set, 10, 10);
  EXPECT_EQ(found.start, 11u);
  EXPECT_EQ(found.end, 14u);
  EXPECT_EQ(found.candidates, (Names{"primary", "prime", "Print", "prior", "private"}))
      << "not the word being completed itself, and the dot separates words";
}

TEST_F(WordCompletion, TheLinesBackAndForwardLimitTheSearch) {
  fill({"alpha", "albert", "al", "alfred", "alvin"}, 3);
  EXPECT_EQ(completeInText(doc, 2, &set, 1, 1).candidates, (Names{"albert", "alfred"}));
  EXPECT_EQ(completeInText(doc, 2, &set, 0, 0).candidates, Names{});
  EXPECT_EQ(completeInText(doc, 2, nullptr, 10, 10).candidates, (Names{"albert", "alfred", "alpha", "alvin"}))
      << "a file without a set has words by the default syntax";
}

TEST_F(WordCompletion, NoWordPartNoCandidates) {
  fill({"alpha a", "x = "}, 2);
  const TextCompletion found = completeInText(doc, 4, &set, 10, 10);
  EXPECT_EQ(found.start, found.end);
  EXPECT_TRUE(found.candidates.empty());
  EXPECT_TRUE(completeInText(doc, 40, &set, 10, 10).candidates.empty()) << "beyond the end of the line";
}

}  // namespace
}  // namespace tarn
