// How much history the ring keeps: about 256 records, oldest steps going
// whole; one step however large is undone whole; a step past the memory
// limit ends the history instead of being kept in part.
#include "core/undo_group.h"
#include "edit/undo_ring.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

using Lines = std::vector<std::string>;

Lines numberedLines(int n, const std::string& prefix = "") {
  Lines lines;
  for (int i = 1; i <= n; ++i) lines.push_back(prefix + "line " + std::to_string(i));
  return lines;
}

const UndoRing& ringOf(const EditFixture& f) { return dynamic_cast<const UndoRing&>(*f.doc->undoLog()); }

// Types x at the start of each of n lines from the cursor down, each line
// a change of its own that no other merges with.
void markLines(EditFixture& f, int n) {
  for (int i = 0; i < n; ++i) {
    f.send(fn::kBeginLine);
    f.type("x");
    f.send(fn::kDown);
  }
}

TEST(UndoHistory, TheOldestStepsGoWholeToKeepTheDepth) {
  EditFixture f(numberedLines(300));
  f.place({1, 0});
  markLines(f, 300);
  const UndoRing& ring = ringOf(f);
  EXPECT_LE(ring.records().size(), 256u);
  EXPECT_FALSE(ring.records().front().continues() && ring.records().front().kind() != undotype::kCursor)
      << "the oldest record held begins a step";

  int undone = 0;
  while (f.send(fn::kUndo)) ++undone;
  EXPECT_EQ(f.console.beeps(), 1) << "undo stops with a beep where the history ends";
  // What is left is a text that existed: the first lines marked, the rest not.
  Lines text = f.text();
  int marked = 0;
  while (marked < 300 && text[static_cast<size_t>(marked)][0] == 'x') ++marked;
  for (int i = marked; i < 300; ++i) EXPECT_EQ(text[static_cast<size_t>(i)], "line " + std::to_string(i + 1));
  EXPECT_GT(marked, 0);
  EXPECT_LT(marked, 300);
  // After the typing, the down, or the begin line that followed it.
  Pos at = f.cursor();
  EXPECT_TRUE(at == (Pos{marked, 1}) || at == (Pos{marked + 1, 1}) || at == (Pos{marked + 1, 0})) << at;
  EXPECT_GT(undone, 150);
}

TEST(UndoHistory, AStepOfMoreThan256RecordsUndoesWhole) {
  const Lines original = numberedLines(300);
  EditFixture f(original);
  f.place({1, 3});
  {
    UndoGroup group(f.editor.engine);  // as one function string
    markLines(f, 300);
  }
  EXPECT_GT(ringOf(f).records().size(), 300u);
  Lines changed = f.text();
  EXPECT_EQ(f.send(fn::kUndo), 1);
  EXPECT_EQ(f.text(), original);
  EXPECT_EQ(f.cursor(), (Pos{1, 3}));
  EXPECT_EQ(f.doc->changeCount(), 0);
  EXPECT_EQ(f.send(fn::kRedo), 1);
  EXPECT_EQ(f.text(), changed);

  // The next step pushes the large one out, whole.
  f.place({1, 0});
  f.send(fn::kDeleteLine);
  EXPECT_LE(ringOf(f).records().size(), 256u);
  EXPECT_EQ(f.send(fn::kUndo), 1);
  EXPECT_EQ(f.text(), changed);
  EXPECT_EQ(f.send(fn::kUndo), 0);
  EXPECT_EQ(f.text(), changed) << "never undone in part";
}

TEST(UndoHistory, AStepPastTheMemoryLimitEndsTheHistory) {
  EditFixture f(numberedLines(50, std::string(100, '-')));
  f.doc->setUndoLog(std::make_unique<UndoRing>(UndoLimits{256, 2000}));
  f.place({1, 0});
  f.type("a");
  f.send(fn::kDeleteLine, 0, 0);  // small steps are kept
  EXPECT_EQ(f.send(fn::kUndo), 1);
  EXPECT_EQ(f.send(fn::kRedo), 1);

  f.send(fn::kCutLines, 0, 0, 30);  // keeps about 3000 bytes
  Lines after = f.text();
  EXPECT_EQ(after.size(), 19u);
  EXPECT_EQ(f.send(fn::kCanUndo), 0);
  EXPECT_EQ(f.send(fn::kUndo), 0);
  EXPECT_EQ(f.console.beeps(), 1);
  EXPECT_EQ(f.text(), after) << "nothing undone in part, nothing older either";

  f.type("b");  // recording goes on after the step
  EXPECT_EQ(f.send(fn::kUndo), 1);
  EXPECT_EQ(f.text(), after);
  EXPECT_EQ(f.send(fn::kUndo), 0);
}

// A change the ring never saw (nothing should make one) leaves records
// that do not fit the text: undo puts back what it began and gives up.
TEST(UndoHistory, RecordsThatNoLongerFitTheTextAreNotReplayedInPart) {
  EditFixture f({"one", "two"});
  f.place({1, 0});
  {
    UndoGroup group(f.editor.engine);
    f.type("x");
    f.send(fn::kDown);
    f.send(fn::kBeginLine);
    f.type("y");
  }
  UndoLog& ring = *f.doc->undoLog();
  f.doc->removeObserver(ring);
  f.doc->deleteCharacters(*f.doc->lineAt(LineIndex(2)), 0, 4);
  f.doc->addObserver(ring);
  EXPECT_EQ(f.send(fn::kUndo), 0);
  EXPECT_EQ(f.text(), (Lines{"", "ytwo"}));
  EXPECT_EQ(f.send(fn::kCanUndo), 0);
}

}  // namespace
}  // namespace tarn
