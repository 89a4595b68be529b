// The engine's locate and change: where the walk starts and goes, what a
// change leaves in the text and where the cursor ends, the scopes of the
// mark, the prompt's answers and the mark it puts back, the found text
// selected, and the functions that read the records.
#include <gtest/gtest.h>

#include "core/search_request.h"
#include "mark_fixture.h"
#include "platform/vk.h"

namespace tarn {
namespace {

using namespace searchbit;

// A second file of the fixture's engine, holding lines, its cursor on the first.
Document& secondDocument(EditFixture& f, const std::vector<std::string>& lines) {
  CreateRequest request{nullptr, nullptr};
  f.editor.engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
  Document& doc = *request.result;
  doc.freeLines();
  for (const std::string& line : lines) doc.appendLine(makeLine(line));
  doc.addSentinels();
  doc.current = doc.firstText();
  doc.currentLineNumber = kFirstLine + 1;
  return doc;
}

constexpr uint32_t kPlain = kPlainText;                   // plain text, exact case
constexpr uint32_t kPlainAnyCase = kPlainText | kIgnoreCase;
constexpr uint32_t kPattern = 0;                          // pattern, exact case

struct LocateCase {
  std::string name;
  std::vector<std::string> lines;
  Pos start;
  std::string text;
  uint32_t options;
  bool backward;
  int result;
  Pos end;  // where the cursor is afterwards (unchanged when nothing is found)
};

void PrintTo(const LocateCase& c, std::ostream* out) { *out << c.name; }

class LocateTable : public testing::TestWithParam<LocateCase> {};

TEST_P(LocateTable, FindsAndPlacesTheCursor) {
  const LocateCase& c = GetParam();
  EditFixture f(c.lines);
  f.place(c.start);
  const UndoState before = undoState(f);
  SearchRequest request{c.options, c.text, {}};
  int code = c.backward ? fn::kLocateBackward : fn::kLocateForward;
  EXPECT_EQ(f.send(code, 0, reinterpret_cast<intptr_t>(&request)), c.result);
  EXPECT_EQ(f.cursor(), c.end);
  EXPECT_EQ(f.text(), c.lines);
  EXPECT_EQ(f.doc->changeCount(), 0);
  expectUndoAndRedo(f, before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LocateTable,
    testing::Values(
        LocateCase{"the_next_one_not_the_one_under_the_cursor", {"abc abc"}, {1, 0}, "abc", kPlain, false, 1, {1, 4}},
        LocateCase{"on_a_later_line", {"abc", "x", "yabc"}, {1, 0}, "abc", kPlain, false, 1, {3, 1}},
        LocateCase{"at_the_cursor_itself_when_asked", {"abc abc"}, {1, 0}, "abc", kPlain | kIncludeCursor, false, 1, {1, 0}},
        LocateCase{"from_the_top_of_file_line", {"abc"}, {0, 0}, "abc", kPlain, false, 1, {1, 0}},
        LocateCase{"the_previous_one_backward", {"abc abc"}, {1, 4}, "abc", kPlain, true, 1, {1, 0}},
        LocateCase{"backward_across_lines_from_column_0", {"xabc", "abc"}, {2, 0}, "abc", kPlain, true, 1, {1, 1}},
        LocateCase{"backward_at_the_start_finds_nothing", {"abc", "x"}, {1, 0}, "abc", kPlain, true, 0, {1, 0}},
        LocateCase{"backward_past_the_end_of_a_line", {"abc"}, {1, 9}, "abc", kPlain, true, 1, {1, 0}},
        LocateCase{"case_ignored", {"x ABC"}, {1, 0}, "abc", kPlainAnyCase, false, 1, {1, 2}},
        LocateCase{"exact_case", {"x ABC"}, {1, 0}, "abc", kPlain, false, 0, {1, 0}},
        LocateCase{"whole_words", {"xabc abcx abc"}, {1, 0}, "abc", kPlain | kWholeWord, false, 1, {1, 10}},
        LocateCase{"a_run_of_digits", {"ab 12 x345"}, {1, 4}, ":i", kPattern, false, 1, {1, 7}},
        LocateCase{"the_next_empty_line", {"a", "b", "", "c"}, {1, 0}, "^$", kPattern, false, 1, {3, 0}},
        LocateCase{"no_sentinel_is_an_empty_line", {"a"}, {0, 0}, "^$", kPattern, false, 0, {0, 0}},
        LocateCase{"the_cursor_marker", {"x = value;"}, {1, 0}, "= \\cvalue", kPattern, false, 1, {1, 4}},
        LocateCase{"a_marker_on_the_next_line", {"a", "end", "bc"}, {1, 0}, "end[\\n]\\cb", kPattern, false, 1, {3, 0}},
        LocateCase{"a_match_running_on_starts_on_its_line", {"a", "end", "bc"}, {1, 0}, "end[\\n]b", kPattern, false, 1, {2, 0}},
        LocateCase{"a_pattern_that_does_not_compile", {"abc"}, {1, 0}, "\\)", kPattern, false, 0, {1, 0}},
        LocateCase{"no_text", {"abc"}, {1, 0}, "", kPlain, false, 0, {1, 0}},
        LocateCase{"inside_the_mark_without_a_mark", {"abc", "abc"}, {1, 0}, "abc", kPlain | kInsideMark, false, 0, {1, 0}},
        LocateCase{"outside_the_mark_without_a_mark", {"abc", "abc"}, {1, 0}, "abc", kPlain | kOutsideMark, false, 1, {2, 0}},
        LocateCase{"inside_and_outside_is_everywhere", {"abc", "abc"}, {1, 0}, "abc", kPlain | kInsideMark | kOutsideMark, false, 1, {2, 0}}),
    [](const testing::TestParamInfo<LocateCase>& info) { return info.param.name; });

struct ChangeCase {
  std::string name;
  std::vector<std::string> lines;
  Pos start;
  std::string text;
  std::string replacement;
  uint32_t options;
  bool backward;
  int changes;
  std::vector<std::string> after;
  Pos end;
};

void PrintTo(const ChangeCase& c, std::ostream* out) { *out << c.name; }

class ChangeTable : public testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeTable, ReplacesAndPlacesTheCursor) {
  const ChangeCase& c = GetParam();
  EditFixture f(c.lines);
  f.place(c.start);
  const UndoState before = undoState(f);
  SearchRequest request{c.options, c.text, c.replacement};
  int code = c.backward ? fn::kChangeBackward : fn::kChangeForward;
  EXPECT_EQ(f.send(code, 0, reinterpret_cast<intptr_t>(&request)), c.changes);
  EXPECT_EQ(f.text(), c.after);
  EXPECT_EQ(f.cursor(), c.end);
  EXPECT_EQ(f.doc->changeCount(), c.changes > 0 ? 1 : 0);
  expectUndoAndRedo(f, before);
}

constexpr uint32_t kAll = kChangeAll;

INSTANTIATE_TEST_SUITE_P(
    Table, ChangeTable,
    testing::Values(
        ChangeCase{"one_occurrence_from_the_cursor_itself", {"a a", "a"}, {1, 0}, "a", "bb", kPlain, false, 1, {"bb a", "a"}, {1, 2}},
        ChangeCase{"all_from_the_cursor_on", {"a a", "a a"}, {1, 1}, "a", "b", kPlain | kAll, false, 3, {"a b", "b b"}, {2, 3}},
        ChangeCase{"backward_leaves_the_cursor_at_the_start", {"a a", "xa"}, {2, 1}, "a", "bb", kPlain, true, 1, {"a a", "xbb"}, {2, 1}},
        ChangeCase{"backward_from_the_cursor_itself", {"xa a"}, {1, 3}, "a", "bb", kPlain, true, 1, {"xa bb"}, {1, 3}},
        ChangeCase{"all_backward", {"a a", "a"}, {2, 0}, "a", "b", kPlain | kAll, true, 3, {"b b", "b"}, {1, 0}},
        ChangeCase{"the_delimiter_and_its_neighbours", {"a/b\\c"}, {1, 0}, "/b\\", "\\/&/", kPlain, false, 1, {"a\\/&/c"}, {1, 5}},
        ChangeCase{"an_empty_replacement_deletes", {"abcabc"}, {1, 0}, "b", "", kPlain | kAll, false, 2, {"acac"}, {1, 3}},
        ChangeCase{"matches_at_line_ends", {"xab", "ab", "b"}, {1, 0}, "b$", "Z", kPattern | kAll, false, 3, {"xaZ", "aZ", "Z"}, {3, 1}},
        ChangeCase{"longer_and_shorter_than_the_match", {"aXa"}, {1, 0}, "X", "YYY", kPlain | kAll, false, 1, {"aYYYa"}, {1, 4}},
        ChangeCase{"groups_swapped", {"abcd"}, {1, 0}, "\\(ab\\)\\(cd\\)", "\\2\\1", kPattern, false, 1, {"cdab"}, {1, 4}},
        ChangeCase{"the_whole_match", {"a 12 b 3"}, {1, 0}, ":i", "<&>", kPattern | kAll, false, 2, {"a <12> b <3>"}, {1, 12}},
        ChangeCase{"every_line_start", {"a", "", "b"}, {0, 0}, "^", "> ", kPattern | kAll, false, 3, {"> a", "> ", "> b"}, {3, 2}},
        ChangeCase{"empty_matches_step_on", {"bbb"}, {1, 0}, "a*", "X", kPattern | kAll, false, 4, {"XbXbXbX"}, {1, 7}},
        ChangeCase{"a_match_over_a_line_end_joins", {"ab", "cd", "e"}, {1, 0}, "b[\\n]c", "-", kPattern, false, 1, {"a-d", "e"}, {1, 2}},
        ChangeCase{"a_line_feed_in_the_replacement_splits", {"a,b,c"}, {1, 0}, ",", "\\n", kPattern | kAll, false, 2, {"a", "b", "c"}, {3, 0}},
        ChangeCase{"a_plain_text_stays_as_it_stands", {"a.b"}, {1, 0}, ".", "&\\1", kPlain, false, 1, {"a&\\1b"}, {1, 4}},
        ChangeCase{"case_ignored", {"ABC abc"}, {1, 0}, "b", "x", kPlainAnyCase | kAll, false, 2, {"AxC axc"}, {1, 6}},
        ChangeCase{"whole_words", {"cat concat cat"}, {1, 0}, "cat", "dog", kPlain | kWholeWord | kAll, false, 2, {"dog concat dog"}, {1, 14}},
        ChangeCase{"nothing_found", {"abc"}, {1, 0}, "z", "y", kPlain | kAll, false, 0, {"abc"}, {1, 0}},
        ChangeCase{"inside_the_mark_without_a_mark", {"abc"}, {1, 0}, "b", "y", kPlain | kInsideMark, false, 0, {"abc"}, {1, 0}}),
    [](const testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });

TEST(Change, EveryLineOfALargeFile) {
  constexpr int kLines = 100'000;
  std::vector<std::string> lines(kLines, "the alpha and the alpha");
  EditFixture f(lines);
  f.place({0, 0});
  SearchRequest request{kPlain | kChangeAll, "alpha", "omega!"};
  EXPECT_EQ(f.send(fn::kChangeForward, 0, reinterpret_cast<intptr_t>(&request)), 2 * kLines);
  std::vector<std::string> text = f.text();
  ASSERT_EQ(text.size(), static_cast<size_t>(kLines));
  EXPECT_EQ(text.front(), "the omega! and the omega!");
  EXPECT_EQ(text.back(), "the omega! and the omega!");
  EXPECT_EQ(f.cursor(), (Pos{kLines, 25}));
  EXPECT_EQ(f.send(fn::kUndo), 1) << "undone whole";
  EXPECT_EQ(f.text(), lines);
  EXPECT_EQ(f.cursor(), (Pos{0, 0}));
  EXPECT_EQ(f.send(fn::kRedo), 1);
  EXPECT_EQ(f.text(), text);
}

TEST(Change, ReadOnlyFileIsRefused) {
  EditFixture f({"abc"});
  f.doc->flags |= docflag::kReadOnly;
  f.place({1, 0});
  SearchRequest request{kPlain | kChangeAll, "b", "x"};
  EXPECT_EQ(f.send(fn::kChangeForward, 0, reinterpret_cast<intptr_t>(&request)), 0);
  EXPECT_TRUE(request.refused);
  EXPECT_EQ(f.text(), std::vector<std::string>{"abc"});
  EXPECT_EQ(f.editor.screen.lastMessage(), "Impossible to change a read only file!");
}

// A mark made with the mark functions, and lines toggled into a line mark.
struct ScopeMark {
  MarkSpec mark;
  std::vector<int> toggled = {};
};

void make(EditFixture& f, const ScopeMark& m) {
  makeMark(f, m.mark);
  for (int line : m.toggled) {
    f.place({line, 0});
    f.send(fn::kToggleLineMark);
  }
}

std::vector<std::string> changedInScope(EditFixture& f, uint32_t scope) {
  f.place({0, 0});
  SearchRequest request{kPlain | kChangeAll | scope, "a", "_"};
  f.send(fn::kChangeForward, 0, reinterpret_cast<intptr_t>(&request));
  return f.text();
}

TEST(Change, ScopesOfTheMark) {
  const std::vector<std::string> lines = {"aaaa", "aaaa", "aaaa"};
  struct Case {
    const char* name;
    ScopeMark mark;
    std::vector<std::string> inside, outside;
  };
  for (const Case& c : {
           Case{"block", {{fn::kMarkBlock, {1, 1}, {2, 2}}}, {"a__a", "a__a", "aaaa"}, {"_aa_", "_aa_", "____"}},
           Case{"block of one corner", {{fn::kMarkBlock, {2, 1}, {2, 1}}}, {"aaaa", "a_aa", "aaaa"}, {"____", "_a__", "____"}},
           Case{"character over lines", {{fn::kMarkChar, {1, 2}, {3, 0}}}, {"aa__", "____", "_aaa"}, {"__aa", "aaaa", "a___"}},
           Case{"character on one line", {{fn::kMarkChar, {2, 3}, {2, 1}}}, {"aaaa", "a___", "aaaa"}, {"____", "_aaa", "____"}},
           Case{"lines", {{fn::kMarkLine, {3, 0}, {2, 0}}}, {"aaaa", "____", "____"}, {"____", "aaaa", "aaaa"}},
           // The lines marked, not those between them.
           Case{"lines marked one at a time", {{}, {1, 3}}, {"____", "aaaa", "____"}, {"aaaa", "____", "aaaa"}},
       }) {
    SCOPED_TRACE(c.name);
    for (bool inside : {true, false}) {
      EditFixture f(lines);
      make(f, c.mark);
      EXPECT_EQ(changedInScope(f, inside ? kInsideMark : kOutsideMark), inside ? c.inside : c.outside);
    }
    EditFixture both(lines);
    make(both, c.mark);
    EXPECT_EQ(changedInScope(both, kInsideMark | kOutsideMark), (std::vector<std::string>(3, "____")));
  }
}

// The prompt: y changes, another key skips, a changes the rest without
// asking, Esc stops the whole change.
TEST(Change, PromptAnswers) {
  struct Case {
    std::vector<InputRecord> keys;
    int changes;
    std::string after;
    bool escaped;
    bool answeredAll;
  };
  auto key = [](char c) { return InputRecord::keyEvent(static_cast<uint16_t>(vk::kA + (c | 0x20) - 'a'), c); };
  const InputRecord escape = InputRecord::keyEvent(vk::kEscape, 27);
  for (const Case& c : {
           Case{{key('y'), key('n'), key('Y'), key('x')}, 2, "bab.ba", false, false},
           Case{{key('n'), key('A')}, 3, "abb.bb", false, true},
           Case{{key('y'), escape}, 1, "bab.aa", true, false},
           Case{{escape}, 0, "aab.aa", true, false},
       }) {
    EditFixture f({"aab.aa"});
    for (const InputRecord& k : c.keys) f.console.queue(k);
    f.place({1, 0});
    const UndoState before = undoState(f);
    SearchRequest request{kPlain | kChangeAll | kPrompt, "a", "b"};
    EXPECT_EQ(f.send(fn::kChangeForward, 0, reinterpret_cast<intptr_t>(&request)), c.changes);
    EXPECT_EQ(f.text(), std::vector<std::string>{c.after});
    EXPECT_EQ(request.escaped, c.escaped);
    EXPECT_EQ(request.answeredAll, c.answeredAll);
    EXPECT_EQ(f.editor.engine.marks().holder(), nullptr) << "the match's mark is gone after the prompt";
    expectUndoAndRedo(f, before);
  }
}

// While the prompt shows the match as the block mark, the user's mark is
// set aside; afterwards it is back as it was, whatever its kind and file.
// A file that keeps tabs keeps them on the prompted line: the match's
// bytes stay where they were found.
TEST(Change, ThePromptPutsTheUsersMarkBack) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    ScopeMark mark;
    uint32_t scope;
    std::vector<std::string> after;
    bool keepTabs = false;
  };
  for (const Case& c : {
           Case{"block in the scope", {"aaaa"}, {{fn::kMarkBlock, {1, 1}, {1, 2}}}, kInsideMark, {"abba"}},
           Case{"lines marked one at a time", {"aa", "aa", "aa"}, {{}, {3, 1}}, kInsideMark, {"bb", "aa", "bb"}},
           Case{"character over lines", {"aa", "aa"}, {{fn::kMarkChar, {1, 1}, {2, 0}}}, kOutsideMark, {"ba", "ab"}},
           Case{"block over kept tabs", {"\taa", "x\ta"}, {{fn::kMarkBlock, {1, 0}, {1, 9}}}, 0,
                {"        bb", "x\tb"}, true},
       }) {
    SCOPED_TRACE(c.name);
    EditFixture f(c.lines);
    if (c.keepTabs) f.setOption(opt::kKeepTabs, 1);
    make(f, c.mark);
    const MarkRecord before = markRecordOf(*f.doc);
    std::vector<const Line*> marked;
    for (const Line* l = f.doc->firstText(); l != f.doc->last; l = l->next())
      if (l->flags & lineflag::kInRange) marked.push_back(l);
    for (int i = 0; i < 4; ++i) f.console.queue(InputRecord::keyEvent(vk::kA + 24, 'y'));
    f.place({1, 0});
    SearchRequest request{kPlain | kChangeAll | kPrompt | kIncludeCursor | c.scope, "a", "b"};
    f.send(fn::kChangeForward, 0, reinterpret_cast<intptr_t>(&request));
    EXPECT_EQ(f.text(), c.after);
    const MarkRecord after = markRecordOf(*f.doc);
    EXPECT_EQ(std::tie(after.kind, after.state, after.first, after.last, after.firstColumn, after.lastColumn),
              std::tie(before.kind, before.state, before.first, before.last, before.firstColumn, before.lastColumn));
    std::vector<const Line*> still;
    for (const Line* l = f.doc->firstText(); l != f.doc->last; l = l->next())
      if (l->flags & lineflag::kInRange) still.push_back(l);
    EXPECT_EQ(still, marked);
  }

  // A mark in another file comes back there.
  EditFixture f({"a"});
  Document& other = secondDocument(f, {"x"});
  EXPECT_EQ(f.editor.engine.send(&other, fn::kMarkLine), 1);
  f.console.queue(InputRecord::keyEvent(vk::kA + 24, 'y'));
  f.place({1, 0});
  SearchRequest request{kPlain | kPrompt | kIncludeCursor, "a", "b"};
  EXPECT_EQ(f.send(fn::kChangeForward, 0, reinterpret_cast<intptr_t>(&request)), 1);
  EXPECT_EQ(f.editor.engine.marks().holder(), &other);
  EXPECT_EQ(markKind(other), markkind::kLine);
}

TEST(Locate, SelectMakesTheFoundTextTheOnlyMark) {
  EditFixture f({"xx abc", "abc"});
  makeMark(f, {fn::kMarkLine, {2, 0}, {2, 0}});
  f.place({1, 0});
  SearchRequest request{kPlain | kSelect, "abc", {}};
  ASSERT_EQ(f.send(fn::kLocateForward, 0, reinterpret_cast<intptr_t>(&request)), 1);
  EXPECT_EQ(f.doc->range.first, nullptr) << "the line mark was removed";
  EXPECT_EQ(f.doc->lineAt(toIndex(UserLine(2)))->flags & lineflag::kInRange, 0);
  EXPECT_EQ(markKind(*f.doc), markkind::kBlock);
  EXPECT_EQ(corners(f), (std::pair<Pos, Pos>{{1, 3}, {1, 5}}));
  EXPECT_EQ(f.doc->mark.flags, markstate::kBothCorners);
  request = SearchRequest{kPlain | kSelect, "c", {}};
  ASSERT_EQ(f.send(fn::kLocateForward, 0, reinterpret_cast<intptr_t>(&request)), 1);
  EXPECT_EQ(f.doc->mark.flags, markstate::kOneCorner) << "a one-character match leaves one corner";
  EXPECT_EQ(corners(f), (std::pair<Pos, Pos>{{1, 5}, {1, 5}}));
  // Marking again spans from the found text.
  f.place({2, 0});
  EXPECT_EQ(f.send(fn::kMarkBlock), 1);
  EXPECT_EQ(corners(f), (std::pair<Pos, Pos>{{1, 0}, {2, 5}}));

  // A mark in another file goes.
  Document& other = secondDocument(f, {"y"});
  EXPECT_EQ(f.editor.engine.send(&other, fn::kMarkLine), 1);
  f.place({1, 0});
  request = SearchRequest{kPlain | kSelect, "abc", {}};
  ASSERT_EQ(f.send(fn::kLocateForward, 0, reinterpret_cast<intptr_t>(&request)), 1);
  EXPECT_EQ(markKind(other), markkind::kNone);
  EXPECT_EQ(f.editor.engine.marks().holder(), f.doc);
}

// In a file that keeps tabs the selected line's tabs become blanks; the
// found bytes reported are those of the text as it is now.
TEST(Locate, SelectOverKeptTabsReportsTheBytesOfTheExpandedLine) {
  EditFixture f({"\tabc d", "x"});
  f.setOption(opt::kKeepTabs, 1);
  f.place({1, 0});
  SearchRequest request{kPlain | kSelect, "abc", {}};
  ASSERT_EQ(f.send(fn::kLocateForward, 0, reinterpret_cast<intptr_t>(&request)), 1);
  const std::string line = f.text().front();
  EXPECT_EQ(line, "        abc d");
  EXPECT_EQ(line.substr(static_cast<size_t>(request.matchStart),
                        static_cast<size_t>(request.matchEnd - request.matchStart)),
            "abc");
  EXPECT_EQ(f.cursor(), (Pos{1, 8}));
  EXPECT_EQ(corners(f), (std::pair<Pos, Pos>{{1, 8}, {1, 10}}));
}

TEST(Change, RepeatChangeSearchGoesOnWithTheRecord) {
  EditFixture f({"a a a"});
  f.place({1, 0});
  SearchRequest request{kPlain, "a", "b"};
  EXPECT_EQ(f.send(fn::kChangeForward, 0, reinterpret_cast<intptr_t>(&request)), 1);
  EXPECT_EQ(f.send(fn::kRepeatChangeSearch), 1);
  EXPECT_EQ(f.text(), std::vector<std::string>{"b b a"});
  EXPECT_EQ(f.cursor(), (Pos{1, 3}));
}

TEST(Locate, FindInTextAndTheLastSearchText) {
  EditFixture f({"abc"});
  SearchRequest request{kPattern, "b+", {}};
  f.send(fn::kLocateForward, 0, reinterpret_cast<intptr_t>(&request));
  std::string text = "xxbbby";
  int found = f.send(fn::kFindInText, static_cast<intptr_t>(text.size()), reinterpret_cast<intptr_t>(text.data()));
  EXPECT_EQ(found & 0xFFFF, 2);
  EXPECT_EQ(found >> 16, 5);
  text = "xyz";
  EXPECT_EQ(f.send(fn::kFindInText, static_cast<intptr_t>(text.size()), reinterpret_cast<intptr_t>(text.data())), -1);
  char buffer[kLongestSearchText + 1] = "left over";
  EXPECT_EQ(f.send(fn::kLastSearchText, 0, reinterpret_cast<intptr_t>(buffer)), 2);
  EXPECT_STREQ(buffer, "b+");
}

// A cursor marker puts the cursor inside the match; the next search goes on
// from the match itself, so that going backward each match is found once.
TEST(Locate, AfterACursorMarkerTheSearchGoesOnFromTheMatch) {
  for (bool backward : {true, false}) {
    EditFixture f({"ab ab", "ab"});
    f.place(backward ? Pos{2, 2} : Pos{0, 0});
    SearchRequest request{kPattern, "a\\cb", {}};
    std::vector<Pos> found;
    while (f.send(backward ? fn::kLocateBackward : fn::kLocateForward, 0, reinterpret_cast<intptr_t>(&request)) &&
           found.size() < 5)
      found.push_back(f.cursor());
    EXPECT_EQ(found, backward ? (std::vector<Pos>{{2, 1}, {1, 4}, {1, 1}}) : (std::vector<Pos>{{1, 1}, {1, 4}, {2, 1}}));
  }
}

}  // namespace
}  // namespace tarn
