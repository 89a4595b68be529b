#include "core/document.h"

#include <cstring>

namespace tarn {

namespace {
constexpr char kTopText[] = "\xCD\xCD\xCD Top of file \xCD\xCD\xCD";
constexpr char kBottomText[] = "\xCD\xCD\xCD Bottom of file \xCD\xCD\xCD";

void link(Line* a, Line* b) {
  if (a) a->setNext(b);
  if (b) b->setPrev(a);
}
}  // namespace

std::string_view topOfFileText() { return kTopText; }
std::string_view bottomOfFileText() { return kBottomText; }

Document::Document(int id_, uint32_t flags_, const OptionRow& defaults)
    : id(id_), flags(flags_), options(defaults) {}

Document::~Document() { freeLines(); }

void Document::freeLines() {
  Line* line = first;
  while (line) {
    Line* next = line->next();
    freeLine(line);
    line = next;
  }
  first = last = current = nullptr;
  lineCount = 0;
  view = View{};
  bookmarks = {};
  mark = Mark{};
  range = OperationRange{};
}

void Document::appendLine(Line* line) {
  link(last, line);
  if (!first) first = line;
  last = line;
  ++lineCount;
  if (line->length > longestLine) longestLine = line->length;
}

void Document::addSentinels() {
  if (!first) appendLine(makeLine(0));
  Line* top = makeLine(topOfFileText());
  Line* bottom = makeLine(bottomOfFileText());
  link(top, first);
  link(last, bottom);
  first = top;
  last = bottom;
  lineCount += 2;
  current = first;
  currentLineNumber = 1;
  view.topLine = first;
  view.topLineNumber = 1;
  view.leftColumn = 0;
}

void Document::makeSingleLine() {
  freeLines();
  first = last = current = makeLine(0);
  lineCount = 1;
  currentLineNumber = 1;
  view.topLine = first;
  view.topLineNumber = 1;
}

void Document::insertAfterCurrent(Line* line) {
  Line* next = current ? current->next() : nullptr;
  link(current, line);
  link(line, next);
  if (!current) first = line;
  if (current == last || !last) last = line;
  ++lineCount;
  if (line->length > longestLine) longestLine = line->length;
  if (undo && options[opt::kUndoRecording]) undo->lineInserted(*this, *line);
}

void Document::insertBeforeCurrent(Line* line) {
  Line* prev = current ? current->prev() : nullptr;
  link(prev, line);
  link(line, current);
  if (current == first || !first) first = line;
  if (!current) last = line;
  ++lineCount;
  if (line->length > longestLine) longestLine = line->length;
  if (undo && options[opt::kUndoRecording]) undo->lineInserted(*this, *line);
}

void Document::setLength(Line& line, uint32_t n) {
  line.length = n;
  if (n > longestLine) longestLine = n;
}

void Document::deleteCharacters(Line& line, uint32_t column, uint32_t n) {
  if (column >= line.length || n == 0) return;
  if (n > line.length - column) n = line.length - column;
  std::memmove(line.text + column, line.text + column + n, line.length - column - n);
  line.length -= n;
  line.text[line.length] = '\0';
  auto shift = [&](Line* markLine, int& markColumn) {
    if (markLine != &line || markColumn <= static_cast<int>(column)) return;
    int end = static_cast<int>(column + n);
    markColumn = markColumn >= end ? markColumn - static_cast<int>(n) : static_cast<int>(column);
  };
  if (mark.type) {
    shift(mark.firstLine, mark.firstColumn);
    shift(mark.lastLine, mark.lastColumn);
  }
}

void Document::insertCharacters(Line& line, uint32_t column, std::string_view text) {
  auto n = static_cast<uint32_t>(text.size());
  if (n == 0) return;  // an empty view may hold no pointer
  if (column > line.length) column = line.length;
  growLine(&line, n);
  std::memmove(line.text + column + n, line.text + column, line.length - column);
  std::memcpy(line.text + column, text.data(), n);
  setLength(line, line.length + n);
  line.text[line.length] = '\0';
  auto shift = [&](Line* markLine, int& markColumn) {
    if (markLine == &line && markColumn >= static_cast<int>(column)) markColumn += static_cast<int>(n);
  };
  if (mark.type) {
    shift(mark.firstLine, mark.firstColumn);
    shift(mark.lastLine, mark.lastColumn);
  }
}

void Document::deleteLine(Line* line) {
  Line* prev = line->prev();
  Line* next = line->next();
  link(prev, next);
  if (first == line) first = next;
  if (last == line) last = prev;
  if (current == line) {
    current = next ? next : prev;
    if (!next) --currentLineNumber;
  }
  if (view.topLine == line) view.topLine = next ? next : prev;
  for (auto& b : bookmarks)
    if (b.line == line) b = Bookmark{};
  --lineCount;
  freeLine(line);
}

Line* Document::lineAt(int number) const {
  if (number < 1 || number > lineCount) return nullptr;
  if (number <= lineCount / 2) {
    Line* line = first;
    for (int i = 1; i < number; ++i) line = line->next();
    return line;
  }
  Line* line = last;
  for (int i = lineCount; i > number; --i) line = line->prev();
  return line;
}

int Document::numberOf(const Line* line) const {
  int n = 1;
  for (const Line* l = first; l; l = l->next(), ++n)
    if (l == line) return n;
  return 0;
}

}  // namespace tarn
