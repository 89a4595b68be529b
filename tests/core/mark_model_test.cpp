// What the mark covers on each line, in columns and in bytes, and the line
// buffer's contents.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine.h"
#include "core/marks.h"

namespace tarn {
namespace {

class MarkModel : public testing::Test {
 protected:
  MarkModel() {
    for (const char* text : {"abcdef", "gh", "ijklmnop", "qr"}) doc.appendLine(makeLine(text));
    doc.addSentinels();
  }

  // One letter a line from the first text line on: '.' unmarked, 'W' whole
  // line, else "first-last" with '$' for the line end.
  std::string parts() const {
    std::string out;
    LineIndex n = kFirstLine + 1;
    for (Line* line = doc.firstText(); line != doc.last; line = line->next(), ++n) {
      std::optional<MarkedPart> part = markedPart(doc, line, n);
      if (!out.empty()) out += ' ';
      if (!part)
        out += '.';
      else if (part->wholeLine)
        out += 'W';
      else
        out += std::to_string(part->first) + "-" + (part->last == kToLineEnd ? "$" : std::to_string(part->last));
    }
    return out;
  }

  void setMark(int type, int firstLine, int firstColumn, int lastLine, int lastColumn) {
    doc.mark = Mark{type, markstate::kBothCorners, doc.lineAt(LineIndex(firstLine + 1)), firstColumn,
                    LineIndex(firstLine + 1), doc.lineAt(LineIndex(lastLine + 1)), lastColumn,
                    LineIndex(lastLine + 1)};
  }

  Document doc{1, 0, kDefaultOptions};
};

TEST_F(MarkModel, TheMarkedPartOfEachLine) {
  EXPECT_EQ(parts(), ". . . .");
  setMark(markkind::kBlock, 1, 4, 3, 1);
  EXPECT_EQ(parts(), "1-4 1-4 1-4 .") << "a block's columns on every line, past the line ends too";
  setMark(markkind::kCharacter, 1, 4, 3, 1);
  EXPECT_EQ(parts(), "4-$ 0-$ 0-1 .") << "a stream: to the first line's end, whole lines, up to the last column";
  setMark(markkind::kCharacter, 3, 5, 3, 2);
  EXPECT_EQ(parts(), ". . 2-5 .") << "on one line, left column first";
  doc.mark = Mark{};
  for (int n : {3, 5}) doc.lineAt(LineIndex(n))->flags |= lineflag::kInRange;
  doc.range = OperationRange{LineIndex(3), LineIndex(5), doc.lineAt(LineIndex(3)), doc.lineAt(LineIndex(5)), 2};
  EXPECT_EQ(parts(), ". W . W") << "a line mark: the marked lines only";
  EXPECT_EQ(markKind(doc), markkind::kLine);
}

TEST(MarkedBytes, ColumnsBecomeBytes) {
  TabStops stops{};
  setTabStops(stops, 9, 8);
  ColumnRule kept{&stops, true};
  ColumnRule expanded{&stops, false};
  struct Case {
    const char* text;
    MarkedPart part;
    const ColumnRule& rule;
    size_t begin, end;
  };
  for (const Case& c : {
           Case{"abcdef", {1, 3}, expanded, 1, 4},
           Case{"abcdef", {4, kToLineEnd}, expanded, 4, 6},
           Case{"abc", {1, 9}, expanded, 1, 3},       // past the end of the line
           Case{"abc", {5, 9}, expanded, 3, 3},       // wholly past it
           Case{"a\tbc", {8, 9}, kept, 2, 4},         // after a kept tab
           Case{"a\tbc", {3, 4}, kept, 1, 2},         // inside a tab: the tab whole
           Case{"a\tbc", {3, 4}, expanded, 3, 4},     // a tab of a file that does not keep them is one column
       }) {
    ByteSpan span = markedBytes(c.text, c.part, c.rule);
    EXPECT_EQ(span.begin, c.begin) << c.text << " " << c.part.first;
    EXPECT_EQ(span.end, c.end) << c.text << " " << c.part.first;
  }
}

TEST(LineBufferContents, ReplacedWhole) {
  LineBuffer buffer;
  Document running(1, 0, kDefaultOptions);
  EXPECT_TRUE(buffer.empty());
  EXPECT_EQ(buffer.document().textLineCount(), 1) << "a hidden document keeps one line";
  buffer.replace(running, {bufferkind::kBlock, {"ab", "", "cd"}});
  EXPECT_EQ(buffer.kind(), bufferkind::kBlock);
  EXPECT_EQ(buffer.contents().lines, (std::vector<std::string>{"ab", "", "cd"}));
  EXPECT_EQ(buffer.document().textLineCount(), 3);
  buffer.replace(running, {bufferkind::kCharacters, {}});
  EXPECT_TRUE(buffer.empty()) << "no lines is nothing, whatever the kind";
}

}  // namespace
}  // namespace tarn
