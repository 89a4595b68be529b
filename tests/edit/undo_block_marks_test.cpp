// Undo beside the mark: the line buffer given its contents back with the
// text, and the tabs a block mark expands, which undo and redo never leave
// standing for a text the user did not have.
#include "core/options.h"
#include "core/undo_group.h"
#include "mark_fixture.h"

namespace tarn {
namespace {

using Lines = std::vector<std::string>;

// What a save writes: a line whose tabs a block mark expanded stands for
// its tabbed text.
Lines bufferLines(const EditFixture& f) { return f.editor.engine.marks().buffer().contents().lines; }

struct Expected {
  Lines text;   // as the lines hold it now
  Lines saved;  // as a save would write it
};

void expectTexts(const EditFixture& f, const Expected& e, const char* when) {
  EXPECT_EQ(f.text(), e.text) << when;
  EXPECT_EQ(savedText(f), e.saved) << when;
}

struct TabbedFile : EditFixture {
  TabbedFile() : EditFixture({"a\tbc", "\tde", "xy"}) { setOption(opt::kKeepTabs, 1); }
  void markBlock(Pos from, Pos to) { makeMark(*this, {fn::kMarkBlock, from, to}); }
};

const Lines kTabbed = {"a\tbc", "\tde", "xy"};
const Lines kExpanded = {"a       bc", "        de", "xy"};

TEST(UndoBlockMarks, TabsABlockExpandsNeverReachTheSavedTextThroughUndo) {
  TabbedFile f;
  f.place({3, 2});
  f.type("!");  // a step before the mark
  const Lines typed = {"a\tbc", "\tde", "xy!"};
  f.markBlock({1, 0}, {2, 9});
  expectTexts(f, {{"a       bc", "        de", "xy!"}, typed}, "marked");
  f.place({1, 3});
  f.type("Z");
  const Lines edited = {"a  Z     bc", "        de", "xy!"};
  const Lines editedSaved = {"a  Z\t bc", "\tde", "xy!"};
  expectTexts(f, {edited, editedSaved}, "typed in the block");

  EXPECT_EQ(f.send(fn::kUndo), 1);
  expectTexts(f, {{"a       bc", "        de", "xy!"}, typed}, "undone");
  EXPECT_EQ(f.send(fn::kRedo), 1);
  expectTexts(f, {edited, editedSaved}, "redone");

  f.send(fn::kUnmark);
  expectTexts(f, {editedSaved, editedSaved}, "unmarked");
  EXPECT_EQ(f.send(fn::kUndo), 1) << "the typing, and the tabs given back with it";
  expectTexts(f, {{"a       bc", "        de", "xy!"}, typed}, "unmarked, undone");
  EXPECT_EQ(f.send(fn::kUndo), 1) << "the typing before the mark, and the expansion with it";
  expectTexts(f, {kTabbed, kTabbed}, "undone before the mark");
  EXPECT_EQ(f.send(fn::kUndo), 0);
  EXPECT_EQ(f.doc->changeCount(), 0);

  EXPECT_EQ(f.send(fn::kRedo), 1);
  expectTexts(f, {{"a       bc", "        de", "xy!"}, typed}, "redone: the typing before the mark");
  EXPECT_EQ(f.send(fn::kRedo), 1);
  expectTexts(f, {editedSaved, editedSaved}, "redone: the typing in the block and the unmarking");
  f.send(fn::kUnmark);
  expectTexts(f, {editedSaved, editedSaved}, "nothing left expanded");
}

TEST(UndoBlockMarks, AnExpandedLineDeletedComesBackStandingForItsTabs) {
  TabbedFile f;
  f.markBlock({1, 0}, {2, 9});
  f.place({1, 0});
  {
    UndoGroup group(f.editor.engine);
    f.send(fn::kDeleteLine);
    f.send(fn::kDeleteLine);
  }
  EXPECT_EQ(f.text(), Lines{"xy"});
  EXPECT_EQ(f.send(fn::kUndo), 1);
  expectTexts(f, {kExpanded, kTabbed}, "undone");
  EXPECT_EQ(f.send(fn::kRedo), 1);
  EXPECT_EQ(f.send(fn::kUndo), 1);
  expectTexts(f, {kExpanded, kTabbed}, "undone again");
  f.send(fn::kUnmark);
  expectTexts(f, {kTabbed, kTabbed}, "unmarked: the tabs byte for byte");
}

// Marking and unmarking are no steps: with no step before them to go
// with, the tabs they expand and give back are not recorded at all.
TEST(UndoBlockMarks, MarkingInAFileWithoutHistoryLeavesNone) {
  TabbedFile f;
  f.markBlock({1, 0}, {2, 9});
  f.place({2, 3});
  f.type("Z");
  EXPECT_EQ(f.send(fn::kUndo), 1);
  expectTexts(f, {kExpanded, kTabbed}, "undone");
  EXPECT_EQ(f.doc->changeCount(), 0);
  EXPECT_EQ(f.send(fn::kUndo), 0) << "nothing before the typing";
  f.send(fn::kUnmark);
  expectTexts(f, {kTabbed, kTabbed}, "unmarked");
  EXPECT_EQ(f.doc->changeCount(), 0);
  EXPECT_EQ(f.send(fn::kCanUndo), 0);
}

// A block moved within its file gives its lines their tabs back as the
// mark goes; undone, the text is the one before the move.
TEST(UndoBlockMarks, AMovedBlockOfTabbedLinesUndoesWhole) {
  TabbedFile f;
  f.markBlock({1, 0}, {2, 1});
  f.place({3, 2});
  EXPECT_EQ(f.send(fn::kMoveMark), 1);
  // The block's columns leave the expanded lines, which keep the blanks
  // that no longer reach a tab stop.
  const Lines moved = {"      bc", "      de", "xya ", "    "};
  EXPECT_EQ(f.text(), moved);
  EXPECT_EQ(f.send(fn::kUndo), 1);
  expectTexts(f, {kExpanded, kTabbed}, "undone");
  EXPECT_EQ(f.send(fn::kRedo), 1);
  expectTexts(f, {moved, moved}, "redone");
}

TEST(UndoLineBufferContents, CutAndCopyGiveTheBufferBackWithTheText) {
  EditFixture f({"a", "b", "c", "d"});
  f.place({1, 0});
  f.send(fn::kCutLines);
  EXPECT_EQ(bufferLines(f), Lines{"a"});
  makeMark(f, {fn::kMarkLine, {2, 0}, {2, 0}});
  f.send(fn::kCutLines);  // a line mark's lines are added to the lines held
  EXPECT_EQ(bufferLines(f), (Lines{"a", "c"}));
  makeMark(f, {fn::kMarkLine, {1, 0}, {1, 0}});
  f.send(fn::kCopyLines);  // changes no text: goes with the cut before it
  EXPECT_EQ(bufferLines(f), Lines{"b"});

  EXPECT_EQ(f.send(fn::kUndo), 1);
  EXPECT_EQ(f.text(), (Lines{"b", "c", "d"}));
  EXPECT_EQ(bufferLines(f), Lines{"a"});
  EXPECT_EQ(f.send(fn::kUndo), 1);
  EXPECT_EQ(f.text(), (Lines{"a", "b", "c", "d"}));
  EXPECT_TRUE(f.editor.engine.marks().buffer().empty());
  EXPECT_EQ(f.send(fn::kRedo), 1);
  EXPECT_EQ(bufferLines(f), Lines{"a"});
  EXPECT_EQ(f.send(fn::kRedo), 1);
  EXPECT_EQ(bufferLines(f), Lines{"b"});
  EXPECT_EQ(f.text(), (Lines{"b", "d"}));
}

TEST(UndoLineBufferContents, ACopyWithNothingToGoWithIsNoStep) {
  EditFixture f({"a", "b"});
  makeMark(f, {fn::kMarkLine, {1, 0}, {1, 0}});
  f.send(fn::kCopyLines);
  EXPECT_EQ(f.send(fn::kCanUndo), 0);
  EXPECT_EQ(bufferLines(f), Lines{"a"});
}

// The mark in another file: its text leaves that file (in that file's
// history) and the buffer's contents go with the file the function ran on.
TEST(UndoLineBufferContents, AMarkMovedBetweenFilesUndoesInEachFile) {
  EditFixture f({"one", "two"});
  CreateRequest request{nullptr, nullptr};
  f.editor.engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
  Document& other = *request.result;
  std::vector<std::string> lines = {"alpha", "beta"};
  f.editor.engine.send(&other, fn::kReplaceText, 0, reinterpret_cast<intptr_t>(&lines));
  f.editor.engine.send(&other, fn::kDown);
  f.editor.engine.send(&other, fn::kMarkLine);
  f.place({1, 0});
  EXPECT_EQ(f.send(fn::kMoveMark), 1);
  EXPECT_EQ(f.text(), (Lines{"one", "alpha", "two"}));
  EXPECT_EQ(other.textLineCount(), 1);

  EXPECT_EQ(f.send(fn::kUndo), 1);
  EXPECT_EQ(f.text(), (Lines{"one", "two"}));
  EXPECT_TRUE(f.editor.engine.marks().buffer().empty()) << "undone in the file the move ran on";
  EXPECT_EQ(f.editor.engine.send(&other, fn::kUndo), 1);
  EXPECT_EQ(other.textLineCount(), 2);
  EXPECT_EQ(other.firstText()->view(), "alpha");
  EXPECT_EQ(f.send(fn::kRedo), 1);
  EXPECT_EQ(bufferLines(f), Lines{"alpha"});
}

}  // namespace
}  // namespace tarn
