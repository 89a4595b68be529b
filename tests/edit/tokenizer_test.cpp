#include "edit/tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit/token_classes.h"
#include "keyword_text.h"

namespace tarn {
namespace {

struct TokenCase {
  const char* name;
  std::vector<std::string_view> keywordLines;
  std::string line;
  bool inRemark;
  std::string classes;
  bool outRemark;
};

std::ostream& operator<<(std::ostream& out, const TokenCase& c) { return out << c.name; }
std::string caseName(const testing::TestParamInfo<TokenCase>& info) { return info.param.name; }

std::string classesOf(const KeywordSet& set, std::string_view line, bool inRemark, bool& outRemark) {
  std::string classes(line.size(), '?');
  outRemark = tokenizeLine(set, line, inRemark, classes);
  return classes;
}

class Tokenizer : public testing::TestWithParam<TokenCase> {};

TEST_P(Tokenizer, ClassesEveryCharacter) {
  const TokenCase& c = GetParam();
  const KeywordSet set = keywordSet(c.keywordLines);
  bool outRemark = false;
  EXPECT_EQ(classesOf(set, c.line, c.inRemark, outRemark), c.classes) << c.line;
  EXPECT_EQ(outRemark, c.outRemark);
  EXPECT_EQ(remarkStateAfter(set, c.line, c.inRemark), c.outRemark);
}

const std::vector<std::string_view> kC = {"int", "return", "$$TARN_END_KEYWORDS$$", "size_t"};

INSTANTIATE_TEST_SUITE_P(
    Defaults, Tokenizer,
    testing::Values(
        TokenCase{"StringHoldingRemarkBegin", kC, R"(int x = "a/*" /* r */ 12;)", false,
                  R"(KKK w . $$$$$ ccccccc ##.)", false},
        TokenCase{"ListedBeforeAndAfterTheEnd", kC, "return size_t sized", false, "KKKKKK kkkkkk wwwww", false},
        TokenCase{"TabsAreBlank", kC, "\tint", false, " KKK", false},
        TokenCase{"LineRemarkRightAfterSeparators", kC, "a=//x", false, "w.CCC", false},
        TokenCase{"BlockRemarkRightAfterSeparators", kC, "f(/*x*/);", false, "w.ccccc..", false},
        TokenCase{"LineRemarkWinsOverBlockBegin", kC, "a ///* b", false, "w CCCCCC", false},
        TokenCase{"NumbersTakeLettersAndDots", kC, "1.5e3+0x1F n2", false, "#####.#### ww", false},
        TokenCase{"WordEndsAtStringDelimiter", kC, "ab\"c\"d", false, "ww$$$w", false},
        TokenCase{"OneBackslashKeepsTheStringOpen", kC, R"("a\"b" x)", false, R"($$$$$$ w)", false},
        TokenCase{"TwoBackslashesDoNot", kC, R"("a\\"b)", false, R"($$$$$w)", false},
        TokenCase{"ThreeBackslashesDo", kC, R"('a\\\'b' x)", false, R"($$$$$$$$ w)", false},
        TokenCase{"OtherDelimiterInsideString", kC, R"("it's" 'q"')", false, R"($$$$$$ $$$$)", false},
        TokenCase{"UnclosedStringRunsToTheEnd", kC, R"(x = "abc /* d)", false, R"(w . $$$$$$$$$)", false},
        TokenCase{"BlockRemarkLeftOpen", kC, "int a; /* more", false, "KKK w. ccccccc", true},
        TokenCase{"RemarkBeginDoesNotCloseItself", kC, "a /*/", false, "w ccc", true},
        TokenCase{"OpenRemarkEndsThenScanningGoesOn", kC, "still */ int", true, "cccccccc KKK", false},
        TokenCase{"OpenRemarkRunsOn", kC, "all of it", true, "ccccccccc", true},
        TokenCase{"EmptyLineKeepsTheRemarkOpen", kC, "", true, "", true},
        TokenCase{"RemarkClosedAndOpenedAgain", kC, "*/ x /* y", true, "cc w cccc", true},
        TokenCase{"OtherBytesMakeWords", kC, "\x01\xff\x80 +", false, "www .", false}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Directives, Tokenizer,
    testing::Values(
        TokenCase{"IgnoreCaseMatchesAnyCase", {"$$TARN_IGNORE_CASE$$", "BEGIN", "$$TARN_END_KEYWORDS$$", "End"},
                  "begin Begin BEGIN end END", false, "KKKKK KKKKK KKKKK kkk kkk", false},
        TokenCase{"CaseCountsWithoutIt", {"BEGIN"}, "begin BEGIN", false, "wwwww KKKKK", false},
        TokenCase{"RemarkLineOnlyInItsColumn", {"$$TARN_REMARK_LINE=*", "$$TARN_REMARK_COLUMN=1"}, "* note", false,
                  "CCCCCC", false},
        TokenCase{"RemarkLineElsewhereIsASeparator", {"$$TARN_REMARK_LINE=*", "$$TARN_REMARK_COLUMN=1"}, " * a*b",
                  false, " . w.w", false},
        TokenCase{"RemarkColumnThree", {"$$TARN_REMARK_LINE=--", "$$TARN_REMARK_COLUMN=3"}, "----x --", false,
                  "..CCCCCC", false},
        TokenCase{"RemarkAfterCutsTokens", {"$$TARN_REMARK_AFTER=6"}, "abc defgh \"s", false, "www wCCCCCCC", false},
        TokenCase{"RemarkAfterStopsABlockRemark", {"$$TARN_REMARK_AFTER=5"}, "/*a */", false, "ccccCC", true},
        TokenCase{"SequenceArea", {"$$TARN_SEQUENCE_BEFORE=4", "abc"}, "12abc abc", false, "###ww KKK", false},
        TokenCase{"SequenceAreaInsideARemark", {"$$TARN_SEQUENCE_BEFORE=3"}, "01 */ x", true, "##ccc w", false},
        TokenCase{"SequenceAreaBeforeRemarkAfter", {"$$TARN_SEQUENCE_BEFORE=4", "$$TARN_REMARK_AFTER=2"}, "12345",
                  false, "###CC", false},
        TokenCase{"OwnSeparators", {"$$TARN_SEPARATORS=#"}, "a#b+c", false, "w.www", false},
        TokenCase{"OwnStringDelimiters", {"$$TARN_STRINGS=`"}, "`a\"b` 'c", false, "$$$$$ ww", false},
        TokenCase{"LongMarkers", {"$$TARN_REMARK_BEGIN=<!--", "$$TARN_REMARK_END=-->", "$$TARN_REMARK_LINE="},
                  "a<!-- b --> // c", false, "wcccccccccc .. w", false},
        TokenCase{"MarkersEqualBeginAndEnd", {"$$TARN_REMARK_BEGIN=\"\"\"", "$$TARN_REMARK_END=\"\"\""},
                  "\"\"\"doc\"\"\" x", false, "ccccccccc w", false},
        TokenCase{"NoRemarkEndMeansNoBlockRemarks", {"$$TARN_REMARK_END="}, "/* a", true, ".. w", false}),
    caseName);

TEST(Tokenizer, BlockRemarkColoursEveryLineItSpans) {
  const KeywordSet set = keywordSet(kC);
  const std::vector<std::string> lines = {"int a; /* one", "two", "", "three */ int", "int"};
  const std::vector<std::string> expected = {"KKK w. cccccc", "ccc", "", "cccccccc KKK", "KKK"};
  bool inRemark = false;
  for (size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(classesOf(set, lines[i], inRemark, inRemark), expected[i]) << lines[i];
  EXPECT_FALSE(inRemark);
}

TEST(Tokenizer, ClassesTenThousandTwoHundredFortyCharactersAndTheRestIsRemark) {
  const KeywordSet set = keywordSet(kC);
  std::string line = "/*" + std::string(kClassedLength, 'a') + "*/";
  bool outRemark = false;
  std::string classes = classesOf(set, line, false, outRemark);
  EXPECT_EQ(classes.substr(0, kClassedLength - 1), std::string(kClassedLength - 1, 'c'));
  EXPECT_EQ(classes.substr(kClassedLength - 1), std::string(line.size() - kClassedLength + 1, 'C'));
  EXPECT_TRUE(outRemark);  // its end lies beyond the classed part

  line = std::string(kClassedLength + 5, 'a');
  classes = classesOf(set, line, false, outRemark);
  EXPECT_EQ(classes.find_first_not_of('w'), kClassedLength - 1);
  EXPECT_EQ(classes.substr(kClassedLength - 1), std::string(6, 'C'));
}

TEST(Tokenizer, AShortBufferGetsTheStartAndTheStateOfTheWholeLine) {
  const KeywordSet set = keywordSet(kC);
  std::string classes(6, '?');
  classes += "!!";
  EXPECT_TRUE(tokenizeLine(set, "int a; /* b", false, std::span<char>(classes.data(), 6)));
  EXPECT_EQ(classes, "KKK w.!!");
}

TEST(Tokenizer, LearnedWordsAreKeywords) {
  KeywordSet listed = keywordSet(kC);
  KeywordSet plain = keywordSet({"int"});
  ASSERT_TRUE(listed.learn("foo"));
  ASSERT_TRUE(plain.learn("foo"));
  bool outRemark = false;
  EXPECT_EQ(classesOf(listed, "foo", false, outRemark), "kkk");
  EXPECT_EQ(classesOf(plain, "foo", false, outRemark), "KKK");
}

TEST(TokenClasses, ColourPairs) {
  EXPECT_EQ(token::colourPairOf('K'), 0);
  EXPECT_EQ(token::colourPairOf('.'), 1);
  EXPECT_EQ(token::colourPairOf('$'), 2);
  EXPECT_EQ(token::colourPairOf('#'), 3);
  EXPECT_EQ(token::colourPairOf('c'), 4);
  EXPECT_EQ(token::colourPairOf('C'), 4);
  EXPECT_EQ(token::colourPairOf('k'), 5);
  EXPECT_EQ(token::colourPairOf('w'), -1);
  EXPECT_EQ(token::colourPairOf(' '), -1);
}

}  // namespace
}  // namespace tarn
