// The keyword files installed with the editor: each is read as the editor
// reads it and colours a line of its language.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "edit/keyword_file.h"
#include "edit/tokenizer.h"

namespace tarn {
namespace {

std::string dataFile(int set) { return std::string(TARN_SOURCE_DIR) + "/data/" + keywordFileName(set); }

struct ShippedCase {
  int set;
  std::string line;
  bool inRemark;
  std::string classes;
  bool outRemark;
};

std::ostream& operator<<(std::ostream& out, const ShippedCase& c) { return out << c.set << ": " << c.line; }

class ShippedKeywordFile : public testing::TestWithParam<ShippedCase> {};

TEST_P(ShippedKeywordFile, ColoursItsLanguage) {
  const ShippedCase& c = GetParam();
  KeywordSet set;
  ASSERT_TRUE(loadKeywordFile(set, dataFile(c.set), false));
  std::string classes(c.line.size(), '?');
  EXPECT_EQ(tokenizeLine(set, c.line, c.inRemark, classes), c.outRemark);
  EXPECT_EQ(classes, c.classes);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ShippedKeywordFile,
    testing::Values(
        ShippedCase{0, "static size_t n = 0x1F; // x", false, "KKKKKK kkkkkk w . ####. CCCC", false},
        ShippedCase{0, "#include <vector> /* a", false, "KKKKKKKK .kkkkkk. cccc", true},
        ShippedCase{1, "def f(x):  # note", false, "KKK w.w..  CCCCCC", false},
        ShippedCase{1, "    \"\"\"Docs.", false, "    cccccccc", true},
        ShippedCase{1, "x = self.a[1]#c", true, "ccccccccccccccc", true},
        ShippedCase{2, "if [ $# -eq 0 ]; then echo \"a#b\" # c", false,
                    "KK . ww www # .. KKKK kkkk $$$$$ CCC", false},
        ShippedCase{3, "<A HREF=\"x\">Go</a><!-- c -->", false, ".K kkkk.$$$.ww..K.cccccccccc", false},
        ShippedCase{4, "# Title", false, "CCCCCCC", false},
        ShippedCase{4, "Use `x` *now* TODO", false, "www $$$ .www. KKKK", false},
        ShippedCase{4, "```c", false, "cccc", true},
        ShippedCase{4, "int x; ```", true, "cccccccccc", false},
        ShippedCase{5, "{\"a\": [1, -2.5e3, true, null]}", false, ".$$$. .#. .#####. KKKK. KKKK..", false},
        ShippedCase{6, "* remark", false, "CCCCCCCC", false},
        ShippedCase{6, "s Margins 1 72 1", false, "K kkkkkkk # ## #", false},
        ShippedCase{6, "d c-w = [dw]", false, "K www . .ww.", false},
        ShippedCase{6, "SET syntaxcoloringext3 .c", false, "KKK kkkkkkkkkkkkkkkkkk ww", false},
        ShippedCase{7, "Dim s : s = MsgBox(\"Hi\") ' note", false, "KKK w . w . kkkkkk.$$$$. CCCCCC", false}));

TEST(ShippedKeywordFiles, EndEveryLineWithCrLf) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(TARN_SOURCE_DIR) + "/data")) {
    if (entry.path().filename().string().rfind("TARN.Kwd", 0) != 0) continue;
    ++files;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_TRUE(text.ends_with("\r\n")) << entry.path();
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
      ASSERT_EQ(text[at - 1], '\r') << entry.path() << " at " << at;
  }
  EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace tarn
