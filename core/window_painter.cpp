#include "core/window_painter.h"

#include <algorithm>

#include "core/document.h"
#include "core/marks.h"
#include "core/syntax_painter.h"

namespace tarn {

namespace {
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
  shownBytes_.clear();
  for (; i < bytes.size() && column < end; ++i) {
    bool tab = tabs && bytes[i] == '\t';
    int width = tab ? style_.tabWidth - column % style_.tabWidth : 1;
    for (int k = 0; k < width; ++k, ++column) {
      if (column < left) continue;
      shown_ += tab ? style_.tabFill : bytes[i];
      colours_.push_back(coloured ? byteColours_[i] : style_.text);
      shownBytes_.push_back(static_cast<int>(i));
    }
  }
  reach_ = column;
  return changed;
}

// A line mark covers the whole row; a character mark's line end counts as
// a column of the stream.
bool WindowPainter::markedColumns(const Line* line, LineIndex lineNumber, int lineColumns, int& first,
                                  int& last) const {
  std::optional<MarkedPart> part = markedPart(doc_, line, lineNumber);
  if (!part) return false;
  first = part->first;
  last = part->wholeLine || part->last != kToLineEnd ? part->last : std::max(lineColumns, part->first);
  return true;
}

// Each occurrence is looked for after the one before; only the shown
// columns take the found colours.
void WindowPainter::paintFound(const Line* line, RowCells& out) {
  if (shownBytes_.empty()) return;
  std::string_view bytes = line->view();
  const int lastShown = shownBytes_.back();
  int at = 0;
  while (at <= lastShown) {
    std::optional<std::pair<int, int>> found = style_.findFound(bytes.substr(at));
    if (!found) break;
    int start = at + found->first;
    int end = at + found->second;
    // The shown bytes go up from left to right: the occurrence covers a run of them.
    size_t x = static_cast<size_t>(std::lower_bound(shownBytes_.begin(), shownBytes_.end(), start) - shownBytes_.begin());
    for (; x < shownBytes_.size() && x < out.attrs.size() && shownBytes_[x] < end; ++x) out.attrs[x] = style_.found;
    at = end > start ? end : start + 1;
  }
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
    if (style_.findFound && !doc_.isSentinel(line)) paintFound(line, out);
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
