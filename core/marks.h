// The mark. At most one mark exists in the whole editor, held by one
// document; the block functions act on it wherever it is, and insert text
// at the cursor of the current file.
//
// What a document holds (its fields, which its primitives keep on their
// lines as lines come and go):
// - a line mark: the operation range (Document::range), that is line flag
//   kInRange on every marked line, the first and the last marked line and
//   how many lines are marked. Lines can be marked one at a time (the
//   toggle), so unmarked lines may lie between the first and the last; what
//   acts on a line mark acts on the marked lines.
// - a character or block mark: Document::mark, its kind in `type`
//   (markkind::kCharacter, kBlock), its state in `flags` (markstate: one
//   corner set, or both) and its two corners, normalised: the start corner
//   is on the first line, and a block's start column is its left one (so is
//   a character mark's on one line). Columns are display columns; both
//   corners are inclusive.
// - the anchor (Document::anchor): where marking began. Marking again spans
//   from the anchor to the cursor.
//
// Which document holds the mark is found, never stored (Marks::holder). The
// program-wide rest belongs to Marks, owned by the engine: the mark-changed
// flag, the shift width, the line buffer and the mark stack. What a line
// whose tabs a block mark expanded stands for is its document's
// (Document::tabExpansion), so that undo can give it back with the line.
//
// markedPart is the one definition of what the mark covers on a line: the
// screen, the counts, searching within the mark, the block functions and
// formatting all read it.
#pragma once
#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "core/display_columns.h"
#include "core/document.h"
#include "core/line_buffer.h"

namespace tarn {

class Engine;

namespace markkind {
constexpr int kNone = 0;
constexpr int kCharacter = 1;  // Mark::type
constexpr int kBlock = 2;      // Mark::type
constexpr int kLine = 32;      // never a Mark::type: a line mark is the operation range
}  // namespace markkind

// Mark::flags of a character or block mark.
namespace markstate {
constexpr int kOneCorner = 1;
constexpr int kBothCorners = 2;
}  // namespace markstate

// A character or block mark's corners in order, as the functions that set
// marks leave them: the start corner on the first line, the left column
// first in a block or within one line; a corner not set yet is the other.
Mark normalised(const Mark& mark);

// The kind of mark a document holds (markkind).
int markKind(const Document& doc);
inline bool holdsMark(const Document& doc) { return markKind(doc) != markkind::kNone; }

// The columns of a line that the mark covers, both inclusive.
inline constexpr int kToLineEnd = INT_MAX;
struct MarkedPart {
  int first = 0;
  int last = kToLineEnd;   // kToLineEnd: to the end of the line
  bool wholeLine = false;  // a line of a line mark
};

// The part of a line (its index given) that the document's mark covers:
// a whole marked line of a line mark; the start to the end column on every
// line of a block mark or of a character mark on one line; for a character
// mark over several lines, the start column to the end of its first line,
// whole middle lines and column 0 to the end column on its last line.
std::optional<MarkedPart> markedPart(const Document& doc, const Line* line, LineIndex number);

// The bytes [begin, end) of a text that a part covers (a tab covering one
// of its columns counts whole).
struct ByteSpan {
  size_t begin = 0;
  size_t end = 0;
  size_t size() const { return end - begin; }
};
ByteSpan markedBytes(std::string_view text, const MarkedPart& part, const ColumnRule& rule);

// The first and the last line of the document's mark.
struct MarkLines {
  Line* first;
  LineIndex firstNumber;
  Line* last;
  LineIndex lastNumber;
};
std::optional<MarkLines> markLines(const Document& doc);

// Calls visit(line, index, part) for every line holding part of the mark,
// top to bottom. The parts are those the mark had when the walk began, so
// the visitor may change the text of the lines (not the list of lines).
template <class Visit>
void forEachMarkedLine(const Document& doc, Visit&& visit);

// A mark as the get mark and set mark functions, the mark stack and the
// workspaces carry it: by line numbers, so that it outlives its lines.
struct MarkRecord {
  int kind = -1;  // -1: no mark; else markkind
  int state = 0;  // markstate for a character or block mark
  LineIndex first;
  LineIndex last;
  int firstColumn = 0;
  int lastColumn = 0;
};
MarkRecord markRecordOf(const Document& doc);

// One entry of the mark stack: a separator, or the mark a view held.
struct MarkStackEntry {
  bool separator = true;
  int slot = -1;
  int documentId = 0;
  MarkRecord mark;
};

class Marks {
 public:
  explicit Marks(const Engine& engine) : engine_(engine) {}

  // The document holding the mark, or null.
  Document* holder() const;

  // Set by every block function, reset by unmarkAll.
  bool changed() const { return changed_; }
  void setChanged() { changed_ = true; }

  // The columns shift left and shift right move text by: 1 except while an
  // align function runs.
  int shiftWidth() const { return shiftWidth_; }
  void setShiftWidth(int columns) { shiftWidth_ = columns < 1 ? 1 : columns; }

  LineBuffer& buffer() { return buffer_; }
  const LineBuffer& buffer() const { return buffer_; }
  std::vector<MarkStackEntry>& stack() { return stack_; }

  // Removes the mark from every document (a block mark's expanded lines
  // get their tabs back) and resets the mark-changed flag.
  void unmarkAll();
  // Removes the mark of one document.
  void removeMark(Document& doc);
  // The one-mark rule, before a mark of the given kind is made in doc: a
  // mark of another document goes, and doc's own when it is of another kind.
  void makeRoomFor(Document& doc, int kind);

  // Marks the lines from one line to another (either order), replacing the
  // document's line mark.
  void markLineRange(Document& doc, const LinePlace& from, const LinePlace& to);
  // Marks or unmarks the current line alone. A line mark begun this way
  // has its anchor there.
  void toggleCurrentLine(Document& doc);
  // Gives the document a character or block mark with these corners, in
  // either order. In a file that keeps tabs, the lines of a block mark that
  // hold tabs are expanded to blanks while the mark lasts.
  void setCorners(Document& doc, int kind, int state, const LinePlace& a, const LinePlace& b);
  // A new character or block mark from one place to another (either
  // order), made the one mark of the editor: every mark there was goes
  // first. Marking again spans from `from`; one place leaves one corner set.
  void select(Document& doc, int kind, const LinePlace& from, const LinePlace& to);
  // Sets a mark from a record; false when the record names no valid mark of
  // the document.
  bool restore(Document& doc, const MarkRecord& record);

  // The text a line whose tabs a block mark expanded stands for: the text
  // it had, when unchanged since; else its blanks compressed into tabs at
  // the tab stops. (A file is written with this text.)
  std::string unexpandedText(const Document& doc, const Line& line) const;

 private:
  void expandBlockLines(Document& doc);
  void restoreExpandedLines(Document& doc);

  const Engine& engine_;
  bool changed_ = false;
  int shiftWidth_ = 1;
  LineBuffer buffer_;
  std::vector<MarkStackEntry> stack_;
};

// While it lives, a span of one line is shown as the block mark, for a
// question about it (the change prompt); the mark the editor had is set
// aside meanwhile and comes back as it was, singly toggled lines and all.
// The text stays as it is: no tabs are expanded for the span, nor given
// back by the mark set aside.
class ShownSpan {
 public:
  ShownSpan(const Marks& marks, Document& doc, const LinePlace& first, int lastColumn);
  ~ShownSpan();
  ShownSpan(const ShownSpan&) = delete;
  ShownSpan& operator=(const ShownSpan&) = delete;

 private:
  Document& doc_;
  Document* holder_;
  Mark mark_;
  OperationRange range_;
  std::vector<Line*> markedLines_;
};

// --- template definitions ----------------------------------------------

std::optional<MarkedPart> markedPartOf(const Mark& mark, const Line* line, LineIndex number);

template <class Visit>
void forEachMarkedLine(const Document& doc, Visit&& visit) {
  std::optional<MarkLines> lines = markLines(doc);
  if (!lines) return;
  const Mark mark = doc.mark;
  LineIndex number = lines->firstNumber;
  for (Line* line = lines->first; line; line = line->next(), ++number) {
    std::optional<MarkedPart> part;
    if (line->flags & lineflag::kInRange)
      part = MarkedPart{0, kToLineEnd, true};
    else if (mark.type)
      part = markedPartOf(mark, line, number);
    if (part && !doc.isSentinel(line)) visit(*line, number, *part);
    if (line == lines->last) break;
  }
}

}  // namespace tarn
