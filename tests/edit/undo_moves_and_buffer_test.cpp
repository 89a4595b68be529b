// Undo of lines moved within their file (moving a line mark, sorting) and
// of the line buffer's replacement, through the entry point the line
// buffer calls (here a buffer that holds one string).
#include "core/options.h"
#include "core/undo_group.h"
#include "edit/undo_ring.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

using Lines = std::vector<std::string>;

struct MoveCase {
  std::string name;
  int after;                // user line the moved lines go after (0: the top-of-file line)
  std::vector<int> moving;  // user lines, in their new order
  Lines moved;
};

void PrintTo(const MoveCase& c, std::ostream* out) { *out << c.name; }

class UndoMovedLines : public testing::TestWithParam<MoveCase> {};

TEST_P(UndoMovedLines, GoBackToTheirPlacesAndComeAgain) {
  const MoveCase& c = GetParam();
  const Lines original = {"a", "b", "c", "d", "e"};
  EditFixture f(original);
  f.place({2, 1});
  Line* c3 = f.doc->lineAt(toIndex(UserLine(3)));
  f.doc->bookmarks[0] = Bookmark{c3, 0, toIndex(UserLine(3))};
  std::vector<Line*> lines;
  for (int user : c.moving) lines.push_back(f.doc->lineAt(toIndex(UserLine(user))));
  {
    UndoGroup group(f.editor.engine);
    f.doc->relinkLines(f.doc->lineAt(toIndex(UserLine(c.after))), lines);
  }
  ASSERT_EQ(f.text(), c.moved);
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(f.send(fn::kUndo), 1);
    EXPECT_EQ(f.text(), original);
    EXPECT_EQ(f.doc->bookmarks[0].line, c3) << "lines move, they are not copied";
    EXPECT_EQ(f.doc->bookmarks[0].lineNumber, toIndex(UserLine(3)));
    EXPECT_EQ(f.send(fn::kRedo), 1);
    EXPECT_EQ(f.text(), c.moved);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Moves, UndoMovedLines,
    testing::Values(MoveCase{"BlockDown", 5, {2, 3}, {"a", "d", "e", "b", "c"}},
                    MoveCase{"BlockUp", 0, {4, 5}, {"d", "e", "a", "b", "c"}},
                    MoveCase{"BlockOverlappingItsPlace", 1, {3, 4, 5}, {"a", "c", "d", "e", "b"}},
                    MoveCase{"SortedInPlace", 1, {4, 2, 3}, {"a", "d", "b", "c", "e"}},
                    MoveCase{"ReversedWhole", 0, {5, 4, 3, 2, 1}, {"e", "d", "c", "b", "a"}},
                    MoveCase{"ScatteredGathered", 0, {5, 1, 3}, {"e", "a", "c", "b", "d"}},
                    MoveCase{"ScatteredGatheredBelow", 4, {1, 5, 3}, {"b", "d", "a", "e", "c"}}),
    [](const testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

// A line buffer of one string; counts the contents alive.
struct Contents : ExchangedContents {
  explicit Contents(std::string t, int& alive) : text(std::move(t)), alive(alive) { ++alive; }
  ~Contents() override { --alive; }
  size_t size() const override { return text.size(); }
  std::string text;
  int& alive;
};

struct StringBuffer : ExchangeableBuffer {
  std::unique_ptr<ExchangedContents> exchange(std::unique_ptr<ExchangedContents> c) override {
    std::swap(held, c);
    return c;
  }
  std::string text() const { return held ? static_cast<const Contents&>(*held).text : "(empty)"; }
  std::unique_ptr<ExchangedContents> held;
};

struct BufferFixture : EditFixture {
  BufferFixture() : EditFixture({"one", "two", "three"}) { buffer.held = std::make_unique<Contents>("old", alive); }

  // What cutting the current line into the buffer does.
  void cutLine() {
    UndoGroup group(editor.engine);
    std::string text(doc->current->view());
    send(fn::kDeleteLine);
    auto previous = buffer.exchange(std::make_unique<Contents>(text, alive));
    recordBufferReplaced(*doc, buffer, std::move(previous));
  }

  int alive = 0;
  StringBuffer buffer;
};

TEST(UndoLineBuffer, UndoAndRedoExchangeTheBuffersContents) {
  BufferFixture f;
  f.place({2, 0});
  f.cutLine();
  EXPECT_EQ(f.buffer.text(), "two");
  EXPECT_EQ(f.text(), (Lines{"one", "three"}));
  EXPECT_EQ(f.send(fn::kUndo), 1);
  EXPECT_EQ(f.buffer.text(), "old");
  EXPECT_EQ(f.text(), (Lines{"one", "two", "three"}));
  EXPECT_EQ(f.send(fn::kRedo), 1);
  EXPECT_EQ(f.buffer.text(), "two");
  EXPECT_EQ(f.alive, 2) << "the buffer's and the record's";
  EXPECT_EQ(f.send(fn::kUndo), 1);
  f.type("x");  // the redo history goes, and with it the contents it kept
  EXPECT_EQ(f.alive, 1);
  EXPECT_EQ(f.buffer.text(), "old");
}

TEST(UndoLineBuffer, ContentsAreFreedWhenNothingRecords) {
  BufferFixture f;
  f.place({1, 0});
  f.setOption(opt::kUndoRecording, 0);
  f.cutLine();
  EXPECT_EQ(f.alive, 1);
  f.setOption(opt::kUndoRecording, 1);
  f.cutLine();
  EXPECT_EQ(f.alive, 2);
  f.doc->setUndoLog(nullptr);
  EXPECT_EQ(f.alive, 1) << "the ring frees what it kept";
  f.cutLine();
  EXPECT_EQ(f.alive, 1);
}

TEST(UndoLineBuffer, TheBuffersContentsCountAgainstTheMemoryLimit) {
  BufferFixture f;
  f.doc->setUndoLog(std::make_unique<UndoRing>(UndoLimits{256, 1000}));
  f.buffer.held = std::make_unique<Contents>(std::string(2000, 'z'), f.alive);
  f.place({1, 0});
  f.cutLine();
  EXPECT_EQ(f.send(fn::kUndo), 0);
  EXPECT_EQ(f.alive, 1) << "nothing kept";
}

}  // namespace
}  // namespace tarn
