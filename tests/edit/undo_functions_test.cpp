// Undo and redo of the functions whose own tables do not undo them: sort,
// the clipboard's paste and cut, the repeated change, large changes and
// formatting undone whole, and block functions on lines whose tabs a
// block mark expanded. Each call is taken back whole, text byte for byte,
// cursor and line buffer, and made again.
#include <stdlib.h>

#include <functional>

#include "core/options.h"
#include "core/search_request.h"
#include "core/sort_bits.h"
#include "edit/clipboard_paste.h"
#include "format_fixture.h"
#include "mark_fixture.h"

namespace tarn {
namespace {

using Lines = std::vector<std::string>;

struct UndoCase {
  std::string name;
  Lines lines;
  std::function<void(EditFixture&)> prepare;  // marks, options and the cursor
  std::function<int(EditFixture&)> call;
};

void PrintTo(const UndoCase& c, std::ostream* out) { *out << c.name; }

class UndoFunctions : public testing::TestWithParam<UndoCase> {
 protected:
  void SetUp() override {
    // The editor's own clipboard, with no desktop to reach.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
  }
};

TEST_P(UndoFunctions, UndoneWholeAndRedone) {
  const UndoCase& c = GetParam();
  EditFixture f(c.lines);
  c.prepare(f);
  f.doc->setChangeCount(0);
  const UndoState before = undoState(f);
  EXPECT_NE(c.call(f), 0);
  EXPECT_NE(f.text(), before.text) << "the call changes the text";
  expectUndoAndRedo(f, before);
}

Lines numbered(int n, const std::string& prefix) {
  Lines lines;
  for (int i = n; i > 0; --i) lines.push_back(prefix + std::to_string(i * 7919 % 1000));
  return lines;
}

auto at(Pos p) {
  return [p](EditFixture& f) { f.place(p); };
}

auto marked(MarkSpec mark, Pos cursor, std::vector<std::pair<int, int>> options = {}) {
  return [=](EditFixture& f) {
    for (auto [index, value] : options) f.setOption(index, value);
    makeMark(f, mark);
    f.place(cursor);
  };
}

auto sending(int code, intptr_t arg1 = 0, intptr_t arg2 = 0, int repeat = 1) {
  return [=](EditFixture& f) { return f.send(code, arg1, arg2, repeat); };
}

auto sorting(int bits, int keyStart = 0, int keyEnd = 0) {
  return sending(fn::kSortLines, bits, packedSortColumns(keyStart, keyEnd));
}

auto changing(uint32_t options, std::string text, std::string replacement) {
  return [=](EditFixture& f) {
    SearchRequest request{options, text, replacement};
    return f.send(fn::kChangeForward, 0, reinterpret_cast<intptr_t>(&request));
  };
}

auto fromClipboard(std::string text, intptr_t flags) {
  return [=](EditFixture& f) {
    f.editor.clipboard.copy({text, "", ""});
    return f.send(fn::kCopyFromClipboard, flags);
  };
}

const std::pair<int, int> kKeepTabs{opt::kKeepTabs, 1};
const Lines kTabbed = {"a\tbc", "\tde", "fgh", "\tij"};

INSTANTIATE_TEST_SUITE_P(
    Sort, UndoFunctions,
    testing::Values(UndoCase{"Ascending", {"d", "b", "a", "c"}, at({3, 0}), sorting(0)},
                    UndoCase{"DescendingFromTheBottomOfFileLine", {"a", "c", "b"}, at({4, 0}),
                             sorting(sortbit::kDescending)},
                    UndoCase{"KeyColumnsStable", {"x3 a", "y1 b", "z3 c", "w1 d"}, at({2, 1}), sorting(0, 2, 2)},
                    UndoCase{"CompactingRemovesLines", {"b", "a", "b", "a", "c"}, at({5, 0}),
                             sorting(sortbit::kCompact)},
                    UndoCase{"UniqueKeysRemoveLinesBetween", {"a1", "b1", "a2", "c", "b2"}, at({1, 1}),
                             sorting(sortbit::kUniqueKeys, 1, 1)},
                    UndoCase{"AThousandLines", numbered(1000, "line "), at({500, 2}), sorting(0)}),
    [](const testing::TestParamInfo<UndoCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    WholeFile, UndoFunctions,
    testing::Values(
        UndoCase{"ChangeOf400Lines", numbered(400, "a b "), at({0, 0}),
                 changing(searchbit::kPlainText | searchbit::kChangeAll, " ", "--")},
        UndoCase{"ChangeSplittingLines", numbered(300, "a b "), at({0, 0}),
                 changing(searchbit::kChangeAll, " ", "\\n")},
        UndoCase{"ReformatAll", numbered(400, "word word "), [](EditFixture& f) { setMargins(f, {1, 30, 1}); },
                 sending(fn::kReformatAll)},
        UndoCase{"JustifyAll", numbered(400, "a b c d e f g h i "), [](EditFixture& f) { setMargins(f, {1, 30, 1}); },
                 sending(fn::kJustifyAll)},
        UndoCase{"RepeatChangeSearch", {"a a a"},
                 [](EditFixture& f) {
                   f.place({1, 0});
                   SearchRequest request{searchbit::kPlainText, "a", "b"};
                   f.send(fn::kChangeForward, 0, reinterpret_cast<intptr_t>(&request));
                 },
                 sending(fn::kRepeatChangeSearch)}),
    [](const testing::TestParamInfo<UndoCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Clipboard, UndoFunctions,
    testing::Values(
        UndoCase{"StreamPaste", {"ab", "cd"}, at({1, 1}), fromClipboard("x\r\ny\r\nz", 0)},
        UndoCase{"BlockPaste", {"ab", "cd"}, at({1, 1}), fromClipboard("xx\r\nyy\r\nzz", pasteflag::kBlock)},
        UndoCase{"PasteOverABlockMarkOfTabbedLines", kTabbed,
                 marked({fn::kMarkBlock, {1, 0}, {2, 9}}, {3, 1}, {kKeepTabs}), fromClipboard("X", 0)},
        UndoCase{"CutAMark", {"abcdef", "ghi"}, marked({fn::kMarkChar, {1, 2}, {2, 0}}, {1, 0}), sending(msg::kCut)}),
    [](const testing::TestParamInfo<UndoCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    TabbedBlocks, UndoFunctions,
    testing::Values(
        UndoCase{"CopyIntoTheBlock", kTabbed, marked({fn::kMarkBlock, {1, 1}, {2, 9}}, {1, 3}, {kKeepTabs}),
                 sending(fn::kCopyMark)},
        UndoCase{"OverlayBelow", kTabbed, marked({fn::kMarkBlock, {1, 0}, {2, 9}}, {3, 1}, {kKeepTabs}),
                 sending(fn::kOverlayBlock)},
        UndoCase{"MoveDown", kTabbed, marked({fn::kMarkBlock, {1, 0}, {2, 9}}, {4, 1}, {kKeepTabs}),
                 sending(fn::kMoveMark)},
        UndoCase{"Delete", kTabbed, marked({fn::kMarkBlock, {1, 2}, {4, 8}}, {4, 0}, {kKeepTabs}),
                 sending(fn::kDeleteMark)},
        UndoCase{"Fill", kTabbed, marked({fn::kMarkBlock, {1, 2}, {2, 9}}, {4, 0}, {kKeepTabs}),
                 sending(fn::kFillMark, '#')},
        UndoCase{"ShiftRight", kTabbed, marked({fn::kMarkBlock, {1, 2}, {4, 9}}, {4, 0}, {kKeepTabs}),
                 sending(fn::kShiftRight)},
        UndoCase{"ChangeInside", kTabbed, marked({fn::kMarkBlock, {1, 2}, {4, 9}}, {0, 0}, {kKeepTabs}),
                 changing(searchbit::kChangeAll | searchbit::kInsideMark, " ", ".")}),
    [](const testing::TestParamInfo<UndoCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tarn
