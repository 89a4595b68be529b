// Steps of undo and redo: what one step holds, which records merge, the
// redo history, the file's unsaved-changes state and the undo option.
#include <functional>
#include <optional>

#include "core/options.h"
#include "core/undo_group.h"
#include "edit/undo_ring.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

constexpr intptr_t kLiteral = 0x80;

struct Undo : EditFixture {
  explicit Undo(const std::vector<std::string>& lines) : EditFixture(lines) {}

  const UndoRing& ring() const { return dynamic_cast<const UndoRing&>(*doc->undoLog()); }
  int undo() { return send(fn::kUndo); }
  int redo() { return send(fn::kRedo); }
  int beeps() const { return console.beeps(); }
  // The kinds of the records held, oldest first.
  std::string kinds() const {
    std::string s;
    for (const UndoRecord& r : ring().records()) s += static_cast<char>(r.kind());
    return s;
  }
};

using Lines = std::vector<std::string>;

TEST(UndoSteps, AWordTypedKeyByKeyUndoesAtOnce) {
  Undo f({"ab"});
  f.place({1, 2});
  f.type("hello");
  EXPECT_EQ(f.kinds(), "GI") << "one cursor record and one insert";
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), Lines{"ab"});
  EXPECT_EQ(f.cursor(), (Pos{1, 2}));
  EXPECT_EQ(f.redo(), 1);
  EXPECT_EQ(f.text(), Lines{"abhello"});
  EXPECT_EQ(f.cursor(), (Pos{1, 7}));
}

// Each undo takes back one run of the same kind of change.
TEST(UndoSteps, RunsOfTypingAndDeletingEachUndoAtOnce) {
  struct Case {
    const char* name;
    std::function<void(Undo&)> edit;
    std::vector<Lines> undone;  // the text after each undo, newest first
  };
  const Case cases[] = {
      {"a rubout splits the typing", [](Undo& f) { f.type("he"), f.send(fn::kRubout), f.type("llo"); },
       {{"abh"}, {"abhe"}, {"ab"}}},
      {"repeated delete char", [](Undo& f) { f.place({1, 0}), f.send(fn::kDeleteChar), f.send(fn::kDeleteChar); },
       {{"ab"}}},
      {"repeated rubout", [](Undo& f) { f.send(fn::kRubout), f.send(fn::kRubout); }, {{"ab"}}},
      {"typing over", [](Undo& f) { f.place({1, 0}), f.setOption(opt::kInsertMode, 0), f.type("xy"); }, {{"ab"}}},
      {"typing over, then on past the end", [](Undo& f) { f.place({1, 1}), f.setOption(opt::kInsertMode, 0), f.type("xyz"); },
       {{"ax"}, {"ab"}}},
      {"a typed line feed starts a run of its own",
       [](Undo& f) { f.type("x"), f.send(fn::kTypeChar, '\n', kLiteral), f.type("y"); },
       {{"abx"}, {"ab"}}},
      {"typing after a movement", [](Undo& f) { f.type("x"), f.send(fn::kLeft), f.send(fn::kRight), f.type("y"); },
       {{"abx"}, {"abx"}, {"abx"}, {"ab"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Undo f({"ab"});
    f.place({1, 2});
    c.edit(f);
    for (const Lines& text : c.undone) {
      EXPECT_EQ(f.undo(), 1);
      EXPECT_EQ(f.text(), text);
    }
    EXPECT_EQ(f.undo(), 0) << "nothing left";
  }
}

TEST(UndoSteps, CursorMovesAreStepsToo) {
  Undo f({"a", "b", "c"});
  f.place({1, 0});
  f.send(fn::kDown);
  f.send(fn::kDown);
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.cursor(), (Pos{2, 0}));
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.cursor(), (Pos{1, 0}));
  EXPECT_EQ(f.redo(), 1);
  EXPECT_EQ(f.cursor(), (Pos{2, 0}));
  f.send(fn::kUp);  // a movement that fails leaves no step
  f.send(fn::kUp);
  EXPECT_EQ(f.cursor(), (Pos{1, 0}));
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.cursor(), (Pos{2, 0}));
  EXPECT_EQ(f.doc->changeCount(), 0) << "moving is no change";
}

TEST(UndoSteps, RedoBringsBackWhatWasUndoneUntilTheNextChange) {
  Undo f({""});
  f.place({1, 0});
  f.type("a");
  f.send(fn::kTypeChar, '\r');
  f.type("b");
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), Lines{"a"});
  EXPECT_EQ(f.redo(), 1);
  EXPECT_EQ(f.text(), (Lines{"a", ""}));
  EXPECT_EQ(f.send(fn::kCanRedo), 1);
  f.type("c");
  EXPECT_EQ(f.send(fn::kCanRedo), 0);
  int beeps = f.beeps();
  EXPECT_EQ(f.redo(), 0) << "the redo history went with the new change";
  EXPECT_EQ(f.beeps(), beeps) << "redo fails without a beep";
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.undo(), 1) << "the steps before the undone one can still be undone";
  EXPECT_EQ(f.text(), Lines{"a"});
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), Lines{""});
  EXPECT_EQ(f.cursor(), (Pos{1, 0}));
}

TEST(UndoSteps, UndoOnAFreshFileBeepsAndFails) {
  Undo f({"a"});
  EXPECT_EQ(f.send(fn::kCanUndo), 0);
  EXPECT_EQ(f.undo(), 0);
  EXPECT_EQ(f.beeps(), 1);
  EXPECT_EQ(f.redo(), 0);
  EXPECT_EQ(f.beeps(), 1);
}

TEST(UndoSteps, ABatchAndAnUndoGroupEachUndoAsOneStep) {
  for (bool batch : {true, false}) {
    SCOPED_TRACE(batch ? "batch" : "undo group");
    Undo f({"one", "two", "three"});
    f.place({1, 1});
    {
      std::optional<UndoGroup> group;
      if (batch)
        f.editor.engine.send(f.doc, msg::kSuspendUpdates, 1);
      else
        group.emplace(f.editor.engine);
      f.type("x");
      f.send(fn::kDown);
      f.send(fn::kDeleteLine);
      f.send(fn::kEndLine);
      f.type("yz");
      if (batch) f.editor.engine.send(f.doc, msg::kSuspendUpdates, 0);
    }
    EXPECT_EQ(f.text(), (Lines{"oxne", "threeyz"}));
    EXPECT_EQ(f.undo(), 1);
    EXPECT_EQ(f.text(), (Lines{"one", "two", "three"}));
    EXPECT_EQ(f.cursor(), (Pos{1, 1}));
    EXPECT_EQ(f.send(fn::kCanUndo), 0) << "one step";
    EXPECT_EQ(f.redo(), 1);
    EXPECT_EQ(f.text(), (Lines{"oxne", "threeyz"}));
    EXPECT_EQ(f.cursor(), (Pos{2, 7}));
  }
}

TEST(UndoSteps, UndoInsideABatchTakesBackWhatTheBatchDidSoFar) {
  Undo f({"ab"});
  f.place({1, 2});
  f.type("c");
  UndoGroup group(f.editor.engine);
  f.type("de");
  f.send(fn::kRubout);
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), Lines{"abc"});
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), Lines{"ab"});
}

TEST(UndoSteps, LinesInsertedOrDeletedTogetherAreOneRecord) {
  Undo f({"a", "b", "c", "d"});
  f.place({1, 0});
  f.send(fn::kDupLine, 0, 0, 3);
  EXPECT_EQ(f.kinds(), "GPL") << "the line buffer, then the lines";
  f.send(fn::kCutLines, 0, 0, 3);
  EXPECT_EQ(f.kinds(), "GPLGPY");
  f.send(fn::kInsertLine, 0, 0, 3);
  EXPECT_EQ(f.kinds(), "GPLGPYGL");
  EXPECT_EQ(f.ring().records().back().count, 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), (Lines{"a", "b", "c", "d"}));
}

TEST(UndoSteps, UndoingBackToTheSavedTextLeavesNothingUnsaved) {
  Undo f({"ab"});
  f.place({1, 2});
  f.type("c");
  f.doc->setChangeCount(0);  // saved
  f.type("d");               // does not merge with the typing before the save
  EXPECT_EQ(f.doc->changeCount(), 1);
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), Lines{"abc"});
  EXPECT_EQ(f.doc->changeCount(), 0) << "the saved text";
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), Lines{"ab"});
  EXPECT_NE(f.doc->changeCount(), 0) << "older than the saved text";
  EXPECT_EQ(f.redo(), 1);
  EXPECT_EQ(f.doc->changeCount(), 0) << "redone up to the saved text";
  EXPECT_EQ(f.redo(), 1);
  EXPECT_EQ(f.text(), Lines{"abcd"});
  EXPECT_NE(f.doc->changeCount(), 0) << "redo past the saved text marks the file modified";
}

TEST(UndoSteps, ASaveWithinAStepIsFollowed) {
  for (bool changedAfter : {false, true}) {
    SCOPED_TRACE(changedAfter ? "changed after the save" : "saved at the end");
    Undo f({"ab"});
    f.place({1, 0});
    {
      UndoGroup group(f.editor.engine);  // as '1'[save]'2'
      f.type("1");
      f.doc->setChangeCount(0);
      if (changedAfter) f.type("2");
    }
    EXPECT_EQ(f.doc->changeCount() != 0, changedAfter);
    EXPECT_EQ(f.undo(), 1);
    EXPECT_EQ(f.text(), Lines{"ab"});
    EXPECT_NE(f.doc->changeCount(), 0) << "the file was saved with the 1";
    EXPECT_EQ(f.redo(), 1);
    EXPECT_EQ(f.doc->changeCount() != 0, changedAfter);
  }
}

TEST(UndoSteps, SavingKeepsTheHistory) {
  Undo f({"ab", "cd", "ef"});
  f.place({1, 0});
  f.send(fn::kDeleteLine);
  f.doc->setChangeCount(0);
  f.send(fn::kDown);  // a movement keeps the file as saved
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.cursor(), (Pos{1, 0}));
  EXPECT_EQ(f.doc->changeCount(), 0);
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), (Lines{"ab", "cd", "ef"}));
  EXPECT_EQ(f.doc->changeCount(), 1);
}

TEST(UndoSteps, RecordingOffKeepsNothingAndAChangeMadeMeanwhileEndsTheHistory) {
  Undo f({"ab"});
  f.place({1, 2});
  f.type("c");
  f.send(fn::kSetOption, 0, opt::kUndoRecording);
  EXPECT_EQ(f.send(fn::kCanUndo), 0);
  EXPECT_EQ(f.undo(), 0);
  f.send(fn::kLeft);  // a movement leaves the history as it is
  f.send(fn::kSetOption, 1, opt::kUndoRecording);
  EXPECT_EQ(f.send(fn::kCanUndo), 1);

  f.send(fn::kSetOption, 0, opt::kUndoRecording);
  f.type("d");
  f.send(fn::kSetOption, 1, opt::kUndoRecording);
  EXPECT_EQ(f.send(fn::kCanUndo), 0) << "the records no longer fit the text";
  EXPECT_EQ(f.undo(), 0);
  EXPECT_EQ(f.text(), Lines{"abdc"});
  f.type("e");
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), Lines{"abdc"});
}

TEST(UndoSteps, TextGivenByTheCallerUndoesLikeAnyChange) {
  Undo f({"a", "b"});
  f.place({1, 0});
  std::vector<std::string> lines = {"x", "y"};
  f.send(fn::kInsertLines, 0, reinterpret_cast<intptr_t>(&lines));
  std::string_view text = "new text";
  f.send(fn::kSetLineText, 0, reinterpret_cast<intptr_t>(&text));
  EXPECT_EQ(f.text(), (Lines{"new text", "x", "y", "b"}));
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), (Lines{"a", "x", "y", "b"}));
  EXPECT_EQ(f.undo(), 1);
  EXPECT_EQ(f.text(), (Lines{"a", "b"}));

  // A text replaced whole (a file read again) has no history.
  f.type("z");
  f.send(fn::kReplaceText, 0, reinterpret_cast<intptr_t>(&lines));
  EXPECT_EQ(f.send(fn::kCanUndo), 0);
  EXPECT_EQ(f.undo(), 0);
  EXPECT_EQ(f.text(), (Lines{"x", "y"}));
}

TEST(UndoSteps, TheCommandLineHasAHistoryOfItsOwn) {
  Undo f({"a"});
  CreateRequest request{nullptr, nullptr};
  Engine& engine = f.editor.engine;
  engine.send(nullptr, msg::kCreate, msg::kCreateCommandLine, reinterpret_cast<intptr_t>(&request));
  Document* line = request.result;
  for (char c : std::string("edit x")) engine.send(line, fn::kTypeChar, c);
  std::string_view cleared;
  engine.send(line, fn::kSetLineText, 0, reinterpret_cast<intptr_t>(&cleared));
  EXPECT_EQ(engine.send(line, fn::kUndo), 1);
  EXPECT_EQ(line->first->view(), "edit x");
  EXPECT_EQ(line->cursorColumn, 6);
  EXPECT_EQ(engine.send(line, fn::kUndo), 1);
  EXPECT_EQ(line->first->view(), "");
  EXPECT_EQ(f.undo(), 0) << "the file's history is apart";
}

TEST(UndoSteps, AReadOnlyFileRefusesUndo) {
  Undo f({"a", "b"});
  f.place({1, 0});
  f.send(fn::kDown);
  f.doc->flags |= docflag::kReadOnly;
  EXPECT_EQ(f.undo(), 0);
  EXPECT_EQ(f.cursor(), (Pos{2, 0}));
  EXPECT_EQ(f.editor.screen.lastMessage(), "Impossible to change a read only file!");
}

}  // namespace
}  // namespace tarn
