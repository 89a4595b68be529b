#include "core/window_painter.h"

#include <algorithm>
#include <climits>

#include "core/document.h"
#include "core/syntax_painter.h"

namespace tarn {

namespace {
constexpr int kCharacterMark = 1;
constexpr int kBlockMark = 2;

int invert(int bits) { return (bits & 8) | (7 - (bits & 7)); }
}  // namespace

Attribute invertedLowBits(Attribute attr) {
  return static_cast<Attribute>((invert(attr >> 4) << 4) | invert(attr & 0xF));
}

Attribute currentLineColours(Attribute attr) {
  int background = invert(attr >> 4);
  int foreground = attr & 0xF;
  if ((background & 7) == (foreground & 7)) foreground = invert(foreground);
  return static_cast<Attribute>((background << 4) | foreground);
}

Attribute swappedColours(Attribute attr) {
  return static_cast<Attribute>(((attr & 0xF) << 4) | (attr >> 4));
}

WindowPainter::WindowPainter(const Document& doc, int columns, const RowStyle& style)
    : doc_(doc), columns_(std::max(0, columns)), style_(style) {
  if (style_.tabWidth < 1) style_.tabWidth = 8;
}

// Only the columns the window shows are expanded, so that painting a row
// costs the window's width and not the line's length; the syntax colouring
// alone reads the whole line, since its state at the end matters below.
bool WindowPainter::expand(const Line* line, LineIndex lineNumber) {
  std::string_view bytes = line->view();
  bool coloured = style_.syntax && (doc_.flags & docflag::kSyntaxColouring) && !doc_.isSentinel(line);
  bool changed = false;
  if (coloured) {
    byteColours_.assign(bytes.size(), style_.text);
    changed = style_.syntax->colourLine(doc_, style_.keywordSet, *line, lineNumber, byteColours_);
  }
  int left = std::max(0, doc_.view.leftColumn);
  int end = left + columns_;
  bool tabs = style_.expandTabs && bytes.find('\t') != std::string_view::npos;
  // Without tabs to expand every byte is one column: start at the left one.
  size_t i = tabs ? 0 : std::min<size_t>(left, bytes.size());
  int column = static_cast<int>(i);
  shown_.clear();
  colours_.clear();
  for (; i < bytes.size() && column < end; ++i) {
    bool tab = tabs && bytes[i] == '\t';
    int width = tab ? style_.tabWidth - column % style_.tabWidth : 1;
    for (int k = 0; k < width; ++k, ++column) {
      if (column < left) continue;
      shown_ += tab ? style_.tabFill : bytes[i];
      colours_.push_back(coloured ? byteColours_[i] : style_.text);
    }
  }
  reach_ = column;
  return changed;
}

bool WindowPainter::markedColumns(const Line* line, LineIndex lineNumber, int lineColumns, int& first,
                                  int& last) const {
  if (doc_.isSentinel(line)) return false;
  if (line->flags & lineflag::kInRange) {  // line mark: the whole row
    first = 0;
    last = INT_MAX;
    return true;
  }
  const Mark& m = doc_.mark;
  if ((m.type != kCharacterMark && m.type != kBlockMark) || !m.firstLine) return false;
  struct Corner {
    LineIndex number;
    int column;
  };
  Corner a{m.firstLineNumber, m.firstColumn};
  Corner b = m.lastLine ? Corner{m.lastLineNumber, m.lastColumn} : a;
  if (b.number < a.number || (b.number == a.number && b.column < a.column)) std::swap(a, b);
  if (lineNumber < a.number || lineNumber > b.number) return false;
  if (m.type == kBlockMark || a.number == b.number) {
    first = std::min(a.column, b.column);
    last = std::max(a.column, b.column);
  } else if (lineNumber == a.number) {  // the line end counts as a column of the stream
    first = a.column;
    last = std::max(lineColumns, a.column);
  } else if (lineNumber == b.number) {
    first = 0;
    last = b.column;
  } else {
    first = 0;
    last = lineColumns;
  }
  return true;
}

bool WindowPainter::paintRow(const Line* line, LineIndex lineNumber, int row, RowCells& out) {
  out.text.assign(columns_, ' ');
  out.attrs.assign(columns_, style_.text);
  bool changed = false;
  int left = doc_.view.leftColumn;
  int markFirst = -1, markLast = -2;
  if (line) {
    changed = expand(line, lineNumber);
    for (size_t x = 0; x < shown_.size() && x < static_cast<size_t>(columns_); ++x) {
      out.text[x] = style_.masked ? '*' : shown_[x];
      out.attrs[x] = colours_[x];
    }
    if (!markedColumns(line, lineNumber, reach_, markFirst, markLast)) markLast = -2;
  }
  auto marked = [&](int x) { return left + x >= markFirst && left + x <= markLast; };
  if (line && line == doc_.current && style_.highlightCurrentLine && !doc_.isCommandLine()) {
    for (int x = 0; x < columns_; ++x)
      if (!marked(x)) out.attrs[x] = currentLineColours(out.attrs[x]);
  }
  for (int x = std::max(0, markFirst - left); x < columns_ && marked(x); ++x)
    out.attrs[x] = style_.mark;
  if (line && style_.showBookmarks && !doc_.isSentinel(line)) {
    for (const Bookmark& b : doc_.bookmarks) {
      int x = b.column - left;
      if (b.line == line && x >= 0 && x < columns_) out.attrs[x] = swappedColours(style_.text);
    }
  }
  if (row == style_.cursorCellRow && style_.cursorCellColumn >= 0 &&
      style_.cursorCellColumn < columns_)
    out.attrs[style_.cursorCellColumn] = invertedLowBits(out.attrs[style_.cursorCellColumn]);
  return changed;
}

}  // namespace tarn
