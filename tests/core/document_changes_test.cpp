// The document as the one writer of its text: what its observers are told,
// and what stands on lines that are inserted, deleted or moved.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/document.h"
#include "core/engine.h"

namespace tarn {
namespace {

// Writes down every notification as one line of text.
class Recorder : public ChangeObserver {
 public:
  void charactersInserted(Document&, const TextChange& c) override { note("insert", c); }
  void charactersDeleted(Document&, const TextChange& c) override { note("delete", c); }
  void charactersReplaced(Document&, const TextChange& c) override { note("replace", c); }
  void lineInserted(Document&, const Line& line, LineIndex index) override {
    seen.push_back("line+ " + std::to_string(index.value()) + " " + std::string(line.view()));
  }
  void lineDeleted(Document&, const Line& line, LineIndex index) override {
    seen.push_back("line- " + std::to_string(index.value()) + " " + std::string(line.view()));
  }
  void linesMoved(Document&, const LinesMoved& m) override {
    seen.push_back("moved " + std::to_string(m.from.value()) + " " + std::to_string(m.to.value()) + " " + std::to_string(m.count));
  }
  void textReplaced(Document&) override { seen.push_back("replaced"); }
  void tabExpansionChanged(Document&, const Line&, LineIndex index,
                           const std::optional<TabExpansion>& previous) override {
    seen.push_back("tabs " + std::to_string(index.value()) + " " + (previous ? previous->original : "-"));
  }

  std::vector<std::string> seen;

 private:
  void note(const char* what, const TextChange& c) {
    seen.push_back(std::string(what) + " " + std::to_string(c.index.value()) + ":" + std::to_string(c.column) + " " +
                   std::string(c.text));
  }
};

class DocumentChanges : public ::testing::Test {
 protected:
  // Lines a, b, c, d, e: internal numbers 2 to 6; the cursor on b.
  void SetUp() override {
    for (const char* text : {"a", "b", "c", "d", "e"}) doc.appendLine(makeLine(text));
    doc.addSentinels();
    doc.addObserver(recorder);
    at(3);
  }

  void at(int index) {
    doc.current = doc.lineAt(LineIndex(index));
    doc.currentLineNumber = LineIndex(index);
  }

  std::vector<std::string> text() const {
    std::vector<std::string> lines;
    for (Line* l = doc.firstText(); l != doc.last; l = l->next()) lines.emplace_back(l->view());
    return lines;
  }

  Document doc{1, 0, kDefaultOptions};
  Recorder recorder;
};

TEST_F(DocumentChanges, ObserversHearEveryChangeWithWhatItRemoved) {
  Line& b = *doc.current;
  doc.insertCharacters(b, 1, "xy");
  doc.replaceCharacters(b, 0, "Q");
  doc.deleteCharacters(b, 1, 2);
  doc.setText(*doc.lineAt(LineIndex(5)), "dd");
  doc.insertAfterCurrent(makeLine("new"));
  doc.deleteLine(doc.lineAt(LineIndex(2)));
  EXPECT_EQ(recorder.seen, (std::vector<std::string>{"insert 3:1 xy", "replace 3:0 b", "delete 3:1 xy",
                                                     "insert 5:1 d", "line+ 4 new", "line- 2 a"}));
  EXPECT_EQ(text(), (std::vector<std::string>{"Q", "new", "c", "dd", "e"}));
}

TEST_F(DocumentChanges, TheChangesOfOneFunctionCountOnce) {
  doc.insertCharacters(*doc.current, 0, "1");
  doc.insertCharacters(*doc.current, 0, "2");
  EXPECT_EQ(doc.changeCount(), 0) << "counted when the function ends";
  doc.settleChanges();
  doc.settleChanges();
  EXPECT_EQ(doc.changeCount(), 1);
  doc.deleteCharacters(*doc.current, 0, 1);
  doc.setChangeCount(0);  // saved meanwhile
  doc.settleChanges();
  EXPECT_EQ(doc.changeCount(), 0);
}

TEST_F(DocumentChanges, NumbersBelowAnInsertedLineMoveDown) {
  Line* d = doc.lineAt(LineIndex(5));
  doc.bookmarks[0] = Bookmark{d, 0, LineIndex(5)};
  doc.view.topLine = doc.lineAt(LineIndex(4));
  doc.view.topLineNumber = LineIndex(4);
  doc.insertBeforeCurrent(makeLine("x"));
  EXPECT_EQ(doc.currentLineNumber, LineIndex(4));
  EXPECT_EQ(doc.lineAt(doc.currentLineNumber)->view(), "b");
  EXPECT_EQ(doc.view.topLineNumber, LineIndex(5));
  EXPECT_EQ(doc.bookmarks[0].lineNumber, LineIndex(6));
  EXPECT_EQ(doc.lineAt(LineIndex(6)), d);
}

TEST_F(DocumentChanges, NothingPointsAtADeletedLine) {
  Line* c = doc.lineAt(LineIndex(4));
  Line* d = doc.lineAt(LineIndex(5));
  Line* e = doc.lineAt(LineIndex(6));
  doc.bookmarks[0] = Bookmark{c, 1, LineIndex(4)};
  doc.bookmarks[1] = Bookmark{e, 0, LineIndex(6)};
  doc.mark = Mark{2, 0, c, 0, LineIndex(4), e, 3, LineIndex(6)};
  for (Line* l : {c, d}) l->flags |= lineflag::kInRange;
  doc.range = OperationRange{LineIndex(4), LineIndex(5), c, d, 2};
  doc.view.topLine = c;
  doc.view.topLineNumber = LineIndex(4);

  doc.deleteLine(c);
  EXPECT_FALSE(doc.bookmarks[0].isSet()) << "a bookmark goes with its line";
  EXPECT_EQ(doc.bookmarks[1].lineNumber, LineIndex(5));
  EXPECT_EQ(doc.mark.firstLine, d) << "the corner moves to the line that follows";
  EXPECT_EQ(doc.mark.firstLineNumber, LineIndex(4));
  EXPECT_EQ(doc.mark.lastLineNumber, LineIndex(5));
  EXPECT_EQ(doc.range.first, d);
  EXPECT_EQ(doc.range.count, 1);
  EXPECT_EQ(doc.view.topLine, d);
  EXPECT_EQ(doc.view.topLineNumber, LineIndex(4));
  EXPECT_EQ(doc.currentLineNumber, LineIndex(3)) << "the cursor line above is not renumbered";

  doc.deleteLine(e);
  EXPECT_EQ(doc.mark.lastLine, d) << "the end corner moves to the line before";
  EXPECT_EQ(doc.mark.lastLineNumber, LineIndex(4));
  doc.deleteLine(d);
  EXPECT_EQ(doc.mark.type, 0) << "a mark whose lines all went is gone";
  EXPECT_EQ(doc.range.first, nullptr);
  EXPECT_EQ(doc.view.topLine, doc.last);
  EXPECT_EQ(doc.view.topLineNumber, LineIndex(4));
}

TEST_F(DocumentChanges, TheAnchorStaysOnTextLines) {
  Line* c = doc.lineAt(LineIndex(4));
  Line* e = doc.lineAt(LineIndex(6));
  doc.anchor = LinePlace{e, 1, LineIndex(6)};
  doc.insertAfter(doc.firstText(), makeLine("x"));
  EXPECT_EQ(doc.anchor.lineNumber, LineIndex(7));
  doc.insertCharacters(*e, 0, "yy");
  EXPECT_EQ(doc.anchor.column, 3) << "it moves with its text, as a corner does";
  doc.deleteLine(e);
  EXPECT_EQ(doc.anchor.line, doc.lineAt(LineIndex(6))) << "not the bottom-of-file line that follows";
  EXPECT_EQ(doc.anchor.lineNumber, LineIndex(6));
  doc.deleteLine(c);
  EXPECT_EQ(doc.anchor.lineNumber, LineIndex(5));
  while (doc.firstText() != doc.last) doc.deleteLine(doc.firstText());
  EXPECT_FALSE(doc.anchor.isSet()) << "no text line is left";
}

TEST_F(DocumentChanges, LinesGoInAfterAnyLine) {
  doc.insertAfter(doc.lineAt(LineIndex(6)), makeLine("f"));
  doc.insertAfter(doc.lineAt(LineIndex(2)), makeLine("a2"));
  EXPECT_EQ(text(), (std::vector<std::string>{"a", "a2", "b", "c", "d", "e", "f"}));
  EXPECT_EQ(doc.lastText()->view(), "f");
  EXPECT_EQ(doc.currentLineNumber, LineIndex(4)) << "the cursor line below moves down";
  EXPECT_EQ(recorder.seen, (std::vector<std::string>{"line+ 7 f", "line+ 3 a2"}));
}

// Lines a to e with something standing on each of them, as the bulk and
// the one-by-one insertion tests set them.
struct PlacedDocument {
  PlacedDocument() {
    for (const char* text : {"a", "b", "c", "d", "e"}) doc.appendLine(makeLine(text));
    doc.addSentinels();
    doc.addObserver(recorder);
    auto line = [&](int n) { return doc.lineAt(LineIndex(n)); };
    doc.current = line(4);
    doc.currentLineNumber = LineIndex(4);
    doc.view.topLine = line(3);
    doc.view.topLineNumber = LineIndex(3);
    for (int n = 2; n <= 6; ++n) doc.bookmarks[static_cast<size_t>(n)] = Bookmark{line(n), 0, LineIndex(n)};
    doc.mark = Mark{2, 0, line(3), 0, LineIndex(3), line(5), 1, LineIndex(5)};
    doc.anchor = LinePlace{line(6), 0, LineIndex(6)};
    for (int n : {2, 5}) line(n)->flags |= lineflag::kInRange;
    doc.range = OperationRange{LineIndex(2), LineIndex(5), line(2), line(5), 2};
  }
  // Every number that stands for a line, with the line found at it.
  std::vector<std::pair<int, const Line*>> places() const {
    std::vector<std::pair<int, const Line*>> found;
    auto add = [&](LineIndex n, const Line* line) {
      found.emplace_back(n.value(), line);
      EXPECT_EQ(doc.lineAt(n), line) << "number " << n.value();
    };
    add(doc.currentLineNumber, doc.current);
    add(doc.view.topLineNumber, doc.view.topLine);
    for (const Bookmark& b : doc.bookmarks)
      if (b.isSet()) add(b.lineNumber, b.line);
    add(doc.mark.firstLineNumber, doc.mark.firstLine);
    add(doc.mark.lastLineNumber, doc.mark.lastLine);
    add(doc.anchor.lineNumber, doc.anchor.line);
    add(doc.range.firstNumber, doc.range.first);
    add(doc.range.lastNumber, doc.range.last);
    return found;
  }
  std::vector<std::string> text() const {
    std::vector<std::string> lines;
    for (Line* l = doc.first; l; l = l->next()) lines.emplace_back(l->view());
    return lines;
  }

  Document doc{1, 0, kDefaultOptions};
  Recorder recorder;
};

TEST(DocumentBulkInsert, LeavesWhatAsManySingleInsertsLeave) {
  // After the top-of-file line, a line above the cursor, the cursor line,
  // a line below it, and the last text line.
  for (int after : {1, 3, 4, 5, 6}) {
    SCOPED_TRACE(after);
    PlacedDocument bulk, single;
    const std::vector<std::string> texts{"x\ty", std::string(300, 'z'), ""};
    std::vector<Line*> lines;
    for (const std::string& text : texts) lines.push_back(makeLine(text));
    bulk.doc.insertAfter(bulk.doc.lineAt(LineIndex(after)), lines);
    Line* where = single.doc.lineAt(LineIndex(after));
    for (const std::string& text : texts) {
      Line* line = makeLine(text);
      single.doc.insertAfter(where, line);
      where = line;
    }
    EXPECT_EQ(bulk.text(), single.text());
    EXPECT_EQ(bulk.recorder.seen, single.recorder.seen);
    std::vector<std::pair<int, std::string>> bulkPlaces, singlePlaces;
    for (auto [n, line] : bulk.places()) bulkPlaces.emplace_back(n, line->view());
    for (auto [n, line] : single.places()) singlePlaces.emplace_back(n, line->view());
    EXPECT_EQ(bulkPlaces, singlePlaces);
    EXPECT_EQ(bulk.doc.lineCount, single.doc.lineCount);
    EXPECT_EQ(bulk.doc.longestLine, 300u);
    EXPECT_TRUE(lines[0]->flags & lineflag::kHasTab);
    EXPECT_EQ(bulk.doc.indexOf(lines[2]), LineIndex(after + 3));
    if (after == 6) {
      EXPECT_EQ(bulk.doc.lastText(), lines[2]);
    }
    EXPECT_TRUE(bulk.doc.hasUncountedChanges());
  }
}

TEST_F(DocumentChanges, TabsExpandedAndGivenBackAreToldButNotCounted) {
  doc.insertCharacters(*doc.current, 0, "1");
  Line& d = *doc.lineAt(LineIndex(5));
  doc.expandTabs(d, "D");
  doc.settleChanges();
  EXPECT_EQ(doc.changeCount(), 1) << "a change made before it still counts";
  ASSERT_NE(doc.tabExpansion(d), nullptr);
  EXPECT_EQ(doc.tabExpansion(d)->original, "d");
  EXPECT_EQ(doc.tabExpansion(d)->expanded, "D");
  doc.restoreTabs(d, "d");
  doc.settleChanges();
  EXPECT_EQ(doc.changeCount(), 1);
  EXPECT_EQ(doc.tabExpansion(d), nullptr);
  EXPECT_FALSE(d.flags & lineflag::kTabsExpanded);
  EXPECT_EQ(recorder.seen, (std::vector<std::string>{"insert 3:0 1", "tabs 5 -", "delete 5:0 d", "insert 5:0 D",
                                                     "tabs 5 d", "delete 5:0 D", "insert 5:0 d"}));

  doc.expandTabs(d, "D");
  doc.deleteLine(&d);
  EXPECT_FALSE(doc.hasTabExpansions()) << "what a line stood for goes with it";
}

TEST_F(DocumentChanges, RelinkedLinesTakeWhatStandsOnThemAlong) {
  Line* a = doc.lineAt(LineIndex(2));
  Line* b = doc.lineAt(LineIndex(3));
  Line* e = doc.lineAt(LineIndex(6));
  doc.bookmarks[0] = Bookmark{e, 0, LineIndex(6)};
  doc.mark = Mark{1, 0, a, 0, LineIndex(2), b, 0, LineIndex(3)};
  doc.relinkLines(e, {a, b});  // a line mark moved below the last line
  EXPECT_EQ(text(), (std::vector<std::string>{"c", "d", "e", "a", "b"}));
  EXPECT_EQ(doc.currentLineNumber, LineIndex(6)) << "the cursor stays on b";
  EXPECT_EQ(doc.bookmarks[0].lineNumber, LineIndex(4));
  EXPECT_EQ(doc.mark.firstLineNumber, LineIndex(5));
  EXPECT_EQ(doc.mark.lastLineNumber, LineIndex(6));
  EXPECT_EQ(doc.indexOf(a), LineIndex(5));

  // Sorting relinks a range in place, in a new order.
  doc.relinkLines(doc.first, {b, doc.lineAt(LineIndex(2)), a});
  EXPECT_EQ(text(), (std::vector<std::string>{"b", "c", "a", "d", "e"}));
  EXPECT_EQ(doc.mark.firstLine, b) << "the corners keep their order";
  EXPECT_EQ(doc.mark.lastLineNumber, LineIndex(4));
  EXPECT_EQ(recorder.seen, (std::vector<std::string>{"moved 2 5 2", "moved 2 2 3"}));
}

// Whatever stands on a line keeps to it through any relinking: the numbers
// worked out without a walk are those a walk finds, with or without the
// indices given by the caller.
TEST(DocumentRelinking, EveryPlaceKeepsItsLineThroughAnyMove) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    Document doc(1, 0, OptionRow{});
    const int count = 3 + static_cast<int>(random() % 10);
    for (int i = 0; i < count; ++i) doc.appendLine(makeLine(std::to_string(i)));
    doc.addSentinels();
    auto anyLine = [&](bool sentinels) {
      int n = sentinels ? 1 + static_cast<int>(random() % (count + 2)) : 2 + static_cast<int>(random() % count);
      return std::pair{doc.lineAt(LineIndex(n)), LineIndex(n)};
    };
    std::tie(doc.current, doc.currentLineNumber) = anyLine(true);
    std::tie(doc.view.topLine, doc.view.topLineNumber) = anyLine(true);
    for (Bookmark& b : doc.bookmarks)
      if (random() % 3 == 0) std::tie(b.line, b.lineNumber) = anyLine(false);
    doc.mark.type = 1;
    std::tie(doc.mark.firstLine, doc.mark.firstLineNumber) = anyLine(false);
    doc.mark.lastLine = doc.mark.firstLine;
    doc.mark.lastLineNumber = doc.mark.firstLineNumber;
    while (doc.mark.lastLine->next() != doc.last && random() % 2) {
      doc.mark.lastLine = doc.mark.lastLine->next();
      ++doc.mark.lastLineNumber;
    }
    std::tie(doc.anchor.line, doc.anchor.lineNumber) = anyLine(false);
    doc.range = OperationRange{doc.mark.firstLineNumber, doc.mark.lastLineNumber, doc.mark.firstLine,
                               doc.mark.lastLine, 1};

    // Some text lines, in a shuffled order, go after a line not among them.
    std::vector<Line*> lines;
    std::vector<LineIndex> previous;
    std::vector<Line*> stay{doc.first};
    LineIndex n = kFirstLine + 1;
    for (Line* l = doc.firstText(); l != doc.last; l = l->next(), ++n) {
      if (random() % 2) {
        lines.push_back(l);
        previous.push_back(n);
      } else {
        stay.push_back(l);
      }
    }
    if (lines.empty()) continue;
    std::vector<size_t> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    std::vector<Line*> shuffled;
    std::vector<LineIndex> shuffledPrevious;
    for (size_t k : order) {
      shuffled.push_back(lines[k]);
      shuffledPrevious.push_back(previous[k]);
    }
    Line* after = stay[random() % stay.size()];
    if (round % 2)
      doc.relinkLines(after, shuffled);
    else
      doc.relinkLines(after, doc.indexOf(after), shuffled, shuffledPrevious);

    auto walked = [&](const Line* line) {
      LineIndex i = kFirstLine;
      for (const Line* l = doc.first; l != line; l = l->next()) ++i;
      return i;
    };
    EXPECT_EQ(doc.currentLineNumber, walked(doc.current)) << round;
    EXPECT_EQ(doc.view.topLineNumber, walked(doc.view.topLine)) << round;
    for (const Bookmark& b : doc.bookmarks) {
      if (!b.isSet()) continue;
      EXPECT_EQ(b.lineNumber, walked(b.line)) << round;
    }
    EXPECT_EQ(doc.mark.firstLineNumber, walked(doc.mark.firstLine)) << round;
    EXPECT_EQ(doc.mark.lastLineNumber, walked(doc.mark.lastLine)) << round;
    EXPECT_LE(doc.mark.firstLineNumber, doc.mark.lastLineNumber) << round;
    EXPECT_EQ(doc.anchor.lineNumber, walked(doc.anchor.line)) << round;
    EXPECT_EQ(doc.range.firstNumber, walked(doc.range.first)) << round;
    EXPECT_EQ(doc.range.lastNumber, walked(doc.range.last)) << round;
    EXPECT_LE(doc.range.firstNumber, doc.range.lastNumber) << round;
    EXPECT_EQ(doc.indexOf(shuffled.front()), walked(shuffled.front())) << round;
  }
}

TEST_F(DocumentChanges, SetTextChangesOnlyWhatDiffers) {
  doc.setText(*doc.current, "b  ");
  doc.setText(*doc.current, "b");
  doc.setText(*doc.current, "abc");
  EXPECT_EQ(recorder.seen, (std::vector<std::string>{"insert 3:1   ", "delete 3:1   ", "delete 3:0 b",
                                                     "insert 3:0 abc"}));
}

TEST_F(DocumentChanges, IndexOfFollowsAWalkThroughTheText) {
  int n = 1;
  for (Line* l = doc.first; l; l = l->next(), ++n) EXPECT_EQ(doc.indexOf(l), LineIndex(n));
  EXPECT_EQ(doc.indexOf(nullptr), LineIndex());
  Line* stranger = makeLine("x");
  EXPECT_EQ(doc.indexOf(stranger), LineIndex());
  freeLine(stranger);
}

TEST_F(DocumentChanges, RebuildingTheTextIsOneNotification) {
  doc.freeLines();
  doc.appendLine(makeLine("z"));
  doc.addSentinels();
  EXPECT_EQ(recorder.seen, (std::vector<std::string>{"replaced"}));
}

int typesX(EngineCall& call) {
  call.doc.insertCharacters(*call.doc.firstText(), 0, "x");
  return 1;
}

// Types x and has the function above type another.
int typesTwice(EngineCall& call) {
  typesX(call);
  return call.engine.send(&call.doc, 0x931);
}

constexpr EditFunction kTypers[] = {
    {0x930, editclass::kChange, typesTwice},
    {0x931, editclass::kChange, typesX},
};

TEST(ChangeCount, AFunctionAndTheFunctionsItSendsCountAsOneChange) {
  Engine engine;
  engine.setRegistry(kTypers);
  CreateRequest request;
  engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
  Document& doc = *request.result;
  engine.send(&doc, 0x930);
  EXPECT_EQ(doc.firstText()->view(), "xx");
  EXPECT_EQ(doc.changeCount(), 1);
  engine.send(&doc, 0x931);
  EXPECT_EQ(doc.changeCount(), 2);
}

}  // namespace
}  // namespace tarn
