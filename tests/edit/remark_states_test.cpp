// The block-remark state of every line stays right through any edit, and an
// edit costs the lines whose state it changed, however far from the screen.
#include "edit/remark_states.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/document.h"
#include "edit/tokenizer.h"
#include "keyword_text.h"

namespace tarn {
namespace {

class RemarkStatesTest : public testing::Test {
 protected:
  void fill(const std::vector<std::string>& lines) {
    doc.freeLines();
    for (const std::string& line : lines) doc.appendLine(makeLine(line));
    doc.addSentinels();
    doc.addObserver(states);
  }

  // What a scan from the top gives for the line at an index.
  bool scannedBefore(LineIndex index) const {
    bool inRemark = false;
    LineIndex at = LineIndex(2);
    for (const Line* line = doc.firstText(); at < index; line = line->next(), ++at)
      inRemark = remarkStateAfter(set, line->view(), inRemark);
    return inRemark;
  }

  bool before(int userLine) {
    const LineIndex index = toIndex(UserLine(userLine));
    return states.stateBefore(set, *doc.lineAt(index), index);
  }

  // The screen paints the lines from a user line on, each tokenized whole.
  void paint(int userLine, int rows) {
    LineIndex index = toIndex(UserLine(userLine));
    for (Line* line = doc.lineAt(index); line && line != doc.last && rows > 0; line = line->next(), ++index, --rows) {
      std::string classes(line->length, '?');
      states.keepEnd(index, tokenizeLine(set, line->view(), states.stateBefore(set, *line, index), classes));
    }
  }

  Line& line(int userLine) { return *doc.lineAt(toIndex(UserLine(userLine))); }

  void goTo(int userLine) {
    doc.current = &line(userLine);
    doc.currentLineNumber = toIndex(UserLine(userLine));
  }

  const KeywordSet set = keywordSet({"int"});
  Document doc{1, 0, OptionRow{}};
  RemarkStates states;
};

TEST_F(RemarkStatesTest, StaysRightThroughRandomEdits) {
  // Mostly plain lines, so that long runs of lines keep their state and
  // the old states are taken again after a change.
  const std::vector<std::string> pieces = {"/* open", "close */", "x /* y */ z", "\"/*\"", "*/ /*", "/"};
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto piece = [&] { return pick(5) ? std::string("int a;") : pieces[static_cast<size_t>(pick(6))]; };
    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i) lines.push_back(piece());
    states.forget();
    fill(lines);
    for (int step = 0; step < 600; ++step) {
      const int count = doc.textLineCount();
      const int at = 1 + pick(count);
      switch (pick(10)) {
        case 0:
          doc.insertCharacters(line(at), static_cast<uint32_t>(pick(4)), pick(2) ? "/*" : "*/");
          break;
        case 1:
          doc.deleteCharacters(line(at), static_cast<uint32_t>(pick(6)), static_cast<uint32_t>(1 + pick(2)));
          break;
        case 2:
          if (line(at).length > 0) doc.replaceCharacters(line(at), 0, pick(2) ? "/" : "*");
          break;
        case 3:
          goTo(at);
          doc.insertAfterCurrent(makeLine(piece()));
          break;
        case 4:
          goTo(at);
          doc.insertBeforeCurrent(makeLine(piece()));
          break;
        case 5:
          if (count > 20) doc.deleteLine(&line(at));
          break;
        case 6:
          if (at + 3 < count) doc.relinkLines(&line(1 + pick(at)), {&line(at + 1), &line(at + 3)});
          break;
        case 7:
        case 8:
          paint(at, 1 + pick(40));
          break;
        default: {
          const int asked = 1 + pick(doc.textLineCount());
          ASSERT_EQ(before(asked), scannedBefore(toIndex(UserLine(asked))))
              << "seed " << seed << " step " << step << " line " << asked;
        }
      }
    }
  }
}

TEST_F(RemarkStatesTest, AnEditFarAboveTheScreenCostsTheLinesItRecolours) {
  std::vector<std::string> lines(100'000, "int a; // x");
  lines.front() = "/* the first line opens a remark";
  fill(lines);

  // The last screen of the file is remark, known from the top down once.
  EXPECT_TRUE(before(99'990));
  EXPECT_EQ(states.linesScanned(), 99'989u);

  // A character that changes no remark state: the old states hold again
  // below the line.
  size_t scanned = states.linesScanned();
  doc.insertCharacters(line(1), 5, "x");
  EXPECT_TRUE(before(99'990));
  EXPECT_LE(states.linesScanned() - scanned, 2u);

  // Closing the remark on line 1 recolours every line below it; opening
  // it again the same.
  doc.insertCharacters(line(1), line(1).length, " */");
  EXPECT_FALSE(before(100'000));
  doc.deleteCharacters(line(1), line(1).length - 3, 3);
  EXPECT_TRUE(before(100'000));

  // A remark opened and closed in the middle while the screen shows the
  // middle: only the screen's lines are scanned, and the end is right.
  scanned = states.linesScanned();
  doc.insertCharacters(line(50'000), 0, "*/");
  paint(50'000, 60);
  EXPECT_LE(states.linesScanned() - scanned, 60u);
  EXPECT_FALSE(before(100'000));
  scanned = states.linesScanned();
  doc.deleteCharacters(line(50'000), 0, 2);
  paint(50'000, 60);
  EXPECT_LE(states.linesScanned() - scanned, 60u);
  EXPECT_TRUE(before(100'000));
}

TEST_F(RemarkStatesTest, TypingOnTheScreenOfANewRemarkLeavesTheLinesBelowItRight) {
  fill(std::vector<std::string>(1'000, "int a;"));
  EXPECT_FALSE(before(1'000));
  doc.insertCharacters(line(10), 0, "/*");
  paint(10, 30);  // only the screen below the new remark is scanned
  doc.insertCharacters(line(20), 0, "x");
  paint(10, 30);
  EXPECT_TRUE(before(1'000));
}

TEST_F(RemarkStatesTest, LinesAddedAndRemovedAboveKeepTheStatesBelow) {
  std::vector<std::string> lines(10'000, "int a;");
  lines[5] = "/*";
  lines[9'000] = "*/";
  fill(lines);
  EXPECT_TRUE(before(9'000));
  EXPECT_FALSE(before(10'000));

  size_t scanned = states.linesScanned();
  goTo(3);
  doc.insertAfterCurrent(makeLine("int b;"));
  doc.insertAfterCurrent(makeLine("int c;"));
  doc.deleteLine(&line(100));
  EXPECT_TRUE(before(9'002));
  EXPECT_FALSE(before(10'001));
  EXPECT_LT(states.linesScanned() - scanned, 100u) << "the lines between the changes, not the file";

  // Without the line that closed it the remark runs to the end.
  doc.deleteLine(&line(9'002));
  EXPECT_TRUE(before(10'000));
  EXPECT_EQ(before(9'999), scannedBefore(toIndex(UserLine(9'999))));
}

TEST_F(RemarkStatesTest, NewTextForgetsEverything) {
  fill({"/*", "a"});
  EXPECT_TRUE(before(2));
  doc.freeLines();
  doc.appendLine(makeLine("b"));
  doc.appendLine(makeLine("c"));
  doc.addSentinels();
  EXPECT_FALSE(before(2));
}

}  // namespace
}  // namespace tarn
