// Random runs of editing functions on random small texts: undoing all of
// it gives back the first text exactly, every text on the way back is one
// the run went through, and redoing all of it gives the edited text. The
// texts are those a save writes (tabs a block mark expanded stand for
// themselves), byte for byte.
#include <random>

#include "core/options.h"
#include "core/search_request.h"
#include "core/sort_bits.h"
#include "core/undo_group.h"
#include "edit/undo_ring.h"
#include "format_fixture.h"

namespace tarn {
namespace {

struct State {
  std::vector<std::string> text;
  Pos cursor;
  bool operator==(const State&) const = default;
};

void PrintTo(const State& s, std::ostream* out) {
  *out << s.cursor << " |";
  for (const std::string& line : s.text) *out << line << "|";
}

// A function and the arguments it may take.
struct Choice {
  int code;
  int maxRepeat = 1;
  std::vector<intptr_t> args = {0};
  intptr_t arg2 = 0;
};

using Choices = std::vector<Choice>;

const Choices& editing() {
  static const Choices kChoices = {
      {fn::kTypeChar, 1, {'a', 'b', ' ', 'x', '\t', '\r'}},
      {fn::kTypeChar, 1, {'a', 'b', ' ', 'x'}},
      {fn::kTypeChar, 1, {'a', 'b', ' ', 'x'}},
      {fn::kDeleteChar, 3, {0, 1}},
      {fn::kRubout, 3, {0, 1}},
      {fn::kDeleteWord, 2},
      {fn::kEraseEndLine},
      {fn::kEraseBeginLine},
      {fn::kSplit},
      {fn::kJoin},
      {fn::kInsertLine, 3},
      {fn::kAppendLine},
      {fn::kDeleteLine},
      {fn::kDupLine, 3},
      {fn::kCutLines, 3},
      {fn::kTab},
      {fn::kBacktab},
      {fn::kUp},
      {fn::kDown},
      {fn::kLeft},
      {fn::kRight},
      {fn::kBeginLine},
      {fn::kEndLine},
      {fn::kTabWord},
      {fn::kBacktabWord},
      {fn::kTop},
      {fn::kBottom},
      {fn::kColumn, 1, {0, 3, 9}},
      {fn::kSetInsertMode, 1, {0}},
  };
  return kChoices;
}

// The engine writes what it found into the request.
intptr_t requestArgument(SearchRequest& request) { return reinterpret_cast<intptr_t>(&request); }

// Marks made and used, changes, sorting and formatting, among the editing.
const Choices& withMarksAndFormatting() {
  using namespace searchbit;
  static SearchRequest kChangeAs{kPlainText | kChangeAll, "a", "xy"};
  static SearchRequest kChangeOne{kPlainText, "b", ""};
  static SearchRequest kJoinLines{kChangeAll, "b[\\n]", "-"};
  static SearchRequest kSplitLines{kChangeAll, " ", "\\n"};
  static SearchRequest kWithinMark{kPlainText | kChangeAll | kInsideMark, "x", "ab"};
  static SearchRequest kLocate{kPlainText, "a", {}};
  static Choices choices = [] {
    Choices all = editing();
    const Choices more = {
        {fn::kMarkLine},
        {fn::kMarkChar},
        {fn::kMarkBlock},
        {fn::kMarkBlock},
        {fn::kUnmark},
        {fn::kCopyMark},
        {fn::kMoveMark},
        {fn::kOverlayBlock},
        {fn::kDeleteMark},
        {fn::kFillMark, 1, {'*', '\t'}},
        {fn::kShiftLeft},
        {fn::kShiftRight},
        {fn::kUppercase},
        {fn::kCapitalize},
        {fn::kCutLines, 2},
        {fn::kCopyLines},
        {fn::kDupLine},
        {fn::kChangeForward, 1, {0}, requestArgument(kChangeAs)},
        {fn::kChangeForward, 1, {0}, requestArgument(kChangeOne)},
        {fn::kChangeForward, 1, {0}, requestArgument(kJoinLines)},
        {fn::kChangeForward, 1, {0}, requestArgument(kSplitLines)},
        {fn::kChangeBackward, 1, {0}, requestArgument(kWithinMark)},
        {fn::kLocateForward, 1, {0}, requestArgument(kLocate)},
        {fn::kSortLines, 1, {0, sortbit::kDescending, sortbit::kCompact}, 0},
        {fn::kSortLines, 1, {0, sortbit::kUniqueKeys}, packedSortColumns(2, 3)},
        {fn::kReformatParagraph},
        {fn::kReformatAll},
        {fn::kJustifyParagraph},
        {fn::kCenterInMargins},
        {fn::kTrim, 1, {trim::kLeading | trim::kTrailing, trim::kCompress}},
        {fn::kAlign},
        {fn::kAlignTab},
        {fn::kAlignMark},
        {fn::kMarkTab},
        {fn::kMarkBacktab},
        {fn::kAlignBlock},
        {fn::kCreateTable},
    };
    all.insert(all.end(), more.begin(), more.end());
    return all;
  }();
  return choices;
}

std::vector<std::string> randomText(std::mt19937& random) {
  static const std::string kBytes = "ab  x\t";
  std::vector<std::string> lines(std::uniform_int_distribution<int>(1, 5)(random));
  for (std::string& line : lines) {
    int n = std::uniform_int_distribution<int>(0, 8)(random);
    for (int i = 0; i < n; ++i) line += kBytes[std::uniform_int_distribution<size_t>(0, kBytes.size() - 1)(random)];
  }
  return lines;
}

// The text as a save writes it.
void randomRuns(unsigned seed, const Choices& choices) {
  std::mt19937 random(seed);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (int run = 0; run < 25; ++run) {
    EditFixture f(randomText(random), 4);
    f.doc->setUndoLog(std::make_unique<UndoRing>(UndoLimits{100000, size_t{1} << 20}));
    f.editor.engine.marks().unmarkAll();  // the mark of the run before
    setMargins(f, {1 + pick(3), 8 + pick(8), 1 + pick(3)});
    f.setOption(opt::kKeepTabs, pick(2));
    f.setOption(opt::kTabInsert, pick(2));
    f.setOption(opt::kAutoIndent, pick(2));
    f.place({1 + pick(static_cast<int>(f.text().size())), pick(6)});
    auto state = [&] { return State{savedText(f), f.cursor()}; };
    std::vector<State> seen = {state()};
    std::string calls;
    for (int step = 0; step < 30; ++step) {
      // Now and then a few functions run as one function string.
      int together = pick(6) == 0 ? 2 + pick(3) : 1;
      std::optional<UndoGroup> group;
      if (together > 1) group.emplace(f.editor.engine);
      for (int i = 0; i < together; ++i) {
        const Choice& c = choices[static_cast<size_t>(pick(static_cast<int>(choices.size())))];
        intptr_t arg = c.args[static_cast<size_t>(pick(static_cast<int>(c.args.size())))];
        int repeat = 1 + pick(c.maxRepeat);
        calls += " " + std::to_string(c.code) + "/" + std::to_string(arg) + "x" + std::to_string(repeat);
        f.send(c.code, arg, c.arg2, repeat);
        if (together == 1) seen.push_back(state());
      }
      if (together > 1) {
        group.reset();
        seen.push_back(state());
        calls += " ;";
      }
    }
    SCOPED_TRACE("seed " + std::to_string(seed) + " run " + std::to_string(run) + ":" + calls);
    const State last = state();

    // Back through the run: each step lands on a state seen before the last one it left.
    size_t at = seen.size() - 1;
    std::vector<State> back;
    while (f.send(fn::kUndo)) {
      State now = state();
      while (at > 0 && !(seen[--at] == now)) {
      }
      ASSERT_EQ(seen[at], now) << "undo made a text the run never had";
      back.push_back(now);
    }
    EXPECT_EQ(state(), seen.front());
    EXPECT_EQ(f.doc->changeCount(), 0);

    // And forward again through the same states.
    back.pop_back();
    while (f.send(fn::kRedo)) {
      if (!back.empty()) {
        EXPECT_EQ(state(), back.back());
        back.pop_back();
      }
    }
    EXPECT_EQ(state(), last);
  }
}

class UndoProperty : public testing::TestWithParam<unsigned> {};

TEST_P(UndoProperty, UndoAllGivesTheFirstTextAndRedoAllTheLast) { randomRuns(GetParam(), editing()); }

TEST_P(UndoProperty, SoWithMarksChangesSortingAndFormatting) { randomRuns(GetParam(), withMarksAndFormatting()); }

INSTANTIATE_TEST_SUITE_P(Seeds, UndoProperty, testing::Range(1u, 21u));

}  // namespace
}  // namespace tarn
