#include "edit/keyword_set_selection.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tarn {
namespace {

using Sets = std::array<SyntaxSetSettings, kSyntaxSets>;

Sets withExtensions(const std::vector<std::pair<int, std::vector<std::string>>>& lists) {
  Sets sets;
  for (const auto& [set, extensions] : lists) sets[static_cast<size_t>(set)].extensions = extensions;
  return sets;
}

struct SelectionCase {
  const char* name;
  std::vector<std::pair<int, std::vector<std::string>>> lists;
  int lastUsed;
  std::string fileName;
  int expected;
};

std::ostream& operator<<(std::ostream& out, const SelectionCase& c) { return out << c.name; }
std::string caseName(const testing::TestParamInfo<SelectionCase>& info) { return info.param.name; }

class SetSelection : public testing::TestWithParam<SelectionCase> {};

TEST_P(SetSelection, ChoosesTheSet) {
  const SelectionCase& c = GetParam();
  EXPECT_EQ(selectKeywordSet(withExtensions(c.lists), c.lastUsed, c.fileName), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetSelection,
    testing::Values(
        SelectionCase{"Extension", {{0, {".c", ".h"}}, {2, {".py"}}}, -1, "/src/a.py", 2},
        SelectionCase{"ExtensionWithoutRegardToCase", {{1, {".cpp"}}}, -1, "MAIN.CPP", 1},
        SelectionCase{"LastDotCounts", {{1, {".gz"}}, {2, {".tar"}}}, -1, "a.tar.gz", 1},
        SelectionCase{"NoSetMatches", {{0, {".c"}}}, 0, "notes.txt", -1},
        SelectionCase{"NoExtensionsAtAll", {}, -1, "a.c", -1},
        SelectionCase{"FileWithoutExtensionTakesDot", {{0, {".c"}}, {4, {"."}}}, -1, "/etc/dir.d/README", 4},
        SelectionCase{"DotInTheDirectoryIsNoExtension", {{4, {"."}}, {5, {".d"}}}, -1, "dir.d/notes", 4},
        SelectionCase{"WholeName", {{3, {"makefile"}}}, -1, "/src/Makefile", 3},
        SelectionCase{"WholeNameWithDot", {{3, {"tarn.pro"}}, {4, {".pro"}}}, -1, "TARN.Pro", 3},
        SelectionCase{"StarTakesEveryFile", {{0, {".c"}}, {6, {"*"}}, {7, {"*"}}}, 0, "a.c", 6},
        SelectionCase{"LastUsedFirst", {{1, {".h"}}, {5, {".h"}}}, 5, "a.h", 5},
        SelectionCase{"LastUsedWithoutTheExtension", {{1, {".h"}}, {5, {".cpp"}}}, 5, "a.h", 1},
        SelectionCase{"LowestSetOtherwise", {{1, {".h"}}, {5, {".h"}}}, -1, "a.h", 1},
        SelectionCase{"LastUsedOutOfRange", {{1, {".h"}}}, 20, "a.h", 1},
        SelectionCase{"HiddenFileNameIsItsExtension", {{2, {".bashrc"}}}, -1, "/home/u/.bashrc", 2}),
    caseName);

}  // namespace
}  // namespace tarn
