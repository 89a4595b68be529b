#include "core/marks.h"

#include <algorithm>

#include "core/engine.h"
#include "core/options.h"

namespace tarn {

namespace {

void clearLineMark(Document& doc) {
  OperationRange& range = doc.range;
  for (Line* line = range.first; line; line = line->next()) {
    line->flags &= ~lineflag::kInRange;
    if (line == range.last) break;
  }
  range = OperationRange{};
}

// A tab's columns as blanks.
std::string expandTabs(std::string_view text, const ColumnRule& rule) {
  std::string out;
  int column = 0;
  for (char c : text) {
    int next = columnAfter(c, column, rule);
    if (c == '\t')
      out.append(static_cast<size_t>(next - column), ' ');
    else
      out += c;
    column = next;
  }
  return out;
}

// Runs of two blanks or more that end on a tab stop become tabs.
std::string compressBlanks(std::string_view text, const ColumnRule& rule) {
  std::string out;
  int column = 0;
  size_t blanks = 0;
  for (char c : text) {
    if (c == ' ') {
      ++blanks;
      ++column;
      if (blanks >= 2 && column < kTabStopColumns && (*rule.stops)[column]) {
        out += '\t';
        blanks = 0;
      }
      continue;
    }
    out.append(blanks, ' ');
    blanks = 0;
    out += c;
    column = columnAfter(c, column, rule);
  }
  out.append(blanks, ' ');
  return out;
}

}  // namespace

int markKind(const Document& doc) {
  if (doc.range.first) return markkind::kLine;
  if (doc.mark.type == markkind::kCharacter || doc.mark.type == markkind::kBlock) return doc.mark.type;
  return markkind::kNone;
}

Mark normalised(const Mark& mark) {
  Mark m = mark;
  if (!m.lastLine) {
    m.lastLine = m.firstLine;
    m.lastLineNumber = m.firstLineNumber;
    m.lastColumn = m.firstColumn;
  }
  if (m.lastLineNumber < m.firstLineNumber) {
    std::swap(m.firstLine, m.lastLine);
    std::swap(m.firstLineNumber, m.lastLineNumber);
    std::swap(m.firstColumn, m.lastColumn);
  }
  if ((m.type == markkind::kBlock || m.firstLineNumber == m.lastLineNumber) && m.firstColumn > m.lastColumn)
    std::swap(m.firstColumn, m.lastColumn);
  return m;
}

std::optional<MarkedPart> markedPartOf(const Mark& mark, const Line* line, LineIndex number) {
  if ((mark.type != markkind::kCharacter && mark.type != markkind::kBlock) || !mark.firstLine || !line)
    return std::nullopt;
  Mark m = normalised(mark);
  LineIndex a = m.firstLineNumber;
  LineIndex b = m.lastLineNumber;
  if (number < a || number > b) return std::nullopt;
  if (m.type == markkind::kBlock || a == b) return MarkedPart{m.firstColumn, m.lastColumn};
  if (number == a) return MarkedPart{m.firstColumn, kToLineEnd};
  if (number == b) return MarkedPart{0, m.lastColumn};
  return MarkedPart{0, kToLineEnd};
}

std::optional<MarkedPart> markedPart(const Document& doc, const Line* line, LineIndex number) {
  if (!line || doc.isSentinel(line)) return std::nullopt;
  if (line->flags & lineflag::kInRange) return MarkedPart{0, kToLineEnd, true};
  return markedPartOf(doc.mark, line, number);
}

ByteSpan markedBytes(std::string_view text, const MarkedPart& part, const ColumnRule& rule) {
  size_t begin = positionAt(text, part.first, rule).index;
  size_t end = text.size();
  if (part.last != kToLineEnd) {
    TextPosition last = positionAt(text, part.last, rule);
    if (last.beyond == 0 && last.index < text.size()) end = last.index + 1;
  }
  return {begin, std::max(begin, end)};
}

std::optional<MarkLines> markLines(const Document& doc) {
  switch (markKind(doc)) {
    case markkind::kLine:
      return MarkLines{doc.range.first, doc.range.firstNumber, doc.range.last, doc.range.lastNumber};
    case markkind::kCharacter:
    case markkind::kBlock: {
      if (!doc.mark.firstLine) return std::nullopt;
      Mark m = normalised(doc.mark);
      return MarkLines{m.firstLine, m.firstLineNumber, m.lastLine, m.lastLineNumber};
    }
    default:
      return std::nullopt;
  }
}

MarkRecord markRecordOf(const Document& doc) {
  MarkRecord record;
  std::optional<MarkLines> lines = markLines(doc);
  if (!lines) return record;
  record.kind = markKind(doc);
  record.first = lines->firstNumber;
  record.last = lines->lastNumber;
  if (record.kind != markkind::kLine) {
    Mark m = normalised(doc.mark);
    record.state = m.flags;
    record.firstColumn = m.firstColumn;
    record.lastColumn = m.lastColumn;
  }
  return record;
}

Document* Marks::holder() const {
  for (const auto& doc : engine_.documents())
    if (holdsMark(*doc)) return doc.get();
  return nullptr;
}

void Marks::removeMark(Document& doc) {
  if (!holdsMark(doc)) return;
  restoreExpandedLines(doc);
  doc.mark = Mark{};
  if (doc.range.first) clearLineMark(doc);
  doc.flags |= docflag::kRepaintAll;
}

void Marks::unmarkAll() {
  for (const auto& doc : engine_.documents()) {
    removeMark(*doc);
    restoreExpandedLines(*doc);  // lines a shrunken block left behind
  }
  changed_ = false;
}

void Marks::makeRoomFor(Document& doc, int kind) {
  for (const auto& other : engine_.documents())
    if (other.get() != &doc) removeMark(*other);
  int held = markKind(doc);
  if (held != markkind::kNone && held != kind) removeMark(doc);
}

void Marks::markLineRange(Document& doc, const LinePlace& from, const LinePlace& to) {
  if (doc.range.first) clearLineMark(doc);
  bool downwards = from.lineNumber <= to.lineNumber;
  const LinePlace& top = downwards ? from : to;
  const LinePlace& bottom = downwards ? to : from;
  OperationRange& range = doc.range;
  range = OperationRange{top.lineNumber, bottom.lineNumber, top.line, bottom.line, 0};
  for (Line* line = top.line; line; line = line->next()) {
    line->flags |= lineflag::kInRange;
    ++range.count;
    if (line == bottom.line) break;
  }
  doc.flags |= docflag::kRepaintAll;
}

void Marks::toggleCurrentLine(Document& doc) {
  Line* line = doc.current;
  LineIndex number = doc.currentLineNumber;
  OperationRange& range = doc.range;
  doc.flags |= docflag::kRepaintAll;
  if (!range.first) {
    doc.anchor = LinePlace{line, doc.cursorColumn, number};
    return markLineRange(doc, doc.anchor, doc.anchor);
  }
  if (!(line->flags & lineflag::kInRange)) {
    line->flags |= lineflag::kInRange;
    ++range.count;
    if (number < range.firstNumber) range.first = line, range.firstNumber = number;
    if (number > range.lastNumber) range.last = line, range.lastNumber = number;
    return;
  }
  line->flags &= ~lineflag::kInRange;
  if (--range.count == 0) {
    range = OperationRange{};
    return;
  }
  // An end that was unmarked moves to the nearest line still marked.
  if (line == range.first) {
    do {
      range.first = range.first->next();
      ++range.firstNumber;
    } while (!(range.first->flags & lineflag::kInRange));
  }
  if (line == range.last) {
    do {
      range.last = range.last->prev();
      --range.lastNumber;
    } while (!(range.last->flags & lineflag::kInRange));
  }
}

void Marks::setCorners(Document& doc, int kind, int state, const LinePlace& a, const LinePlace& b) {
  LinePlace start = a;
  LinePlace end = b;
  if (end.lineNumber < start.lineNumber) std::swap(start, end);
  if ((kind == markkind::kBlock || start.lineNumber == end.lineNumber) && start.column > end.column)
    std::swap(start.column, end.column);
  doc.mark = Mark{kind, state, start.line, start.column, start.lineNumber, end.line, end.column, end.lineNumber};
  if (kind == markkind::kBlock && doc.option(opt::kKeepTabs)) expandBlockLines(doc);
  doc.flags |= docflag::kRepaintAll;
}

void Marks::select(Document& doc, int kind, const LinePlace& from, const LinePlace& to) {
  unmarkAll();
  doc.anchor = from;
  bool onePlace = from.line == to.line && from.column == to.column;
  setCorners(doc, kind, onePlace ? markstate::kOneCorner : markstate::kBothCorners, from, to);
  setChanged();
}

bool Marks::restore(Document& doc, const MarkRecord& record) {
  if (doc.isCommandLine()) return false;
  LineIndex firstText = kFirstLine + 1;
  LineIndex lastText = doc.lastIndex() - 1;
  if (record.first < firstText || record.last > lastText || record.first > record.last) return false;
  Line* first = doc.lineAt(record.first);
  Line* last = doc.lineAt(record.last);
  switch (record.kind) {
    case markkind::kLine:
      makeRoomFor(doc, markkind::kLine);
      markLineRange(doc, LinePlace{first, 0, record.first}, LinePlace{last, 0, record.last});
      doc.anchor = LinePlace{first, 0, record.first};
      return true;
    case markkind::kCharacter:
    case markkind::kBlock: {
      if (record.firstColumn < 0 || record.lastColumn < 0) return false;
      makeRoomFor(doc, record.kind);
      int state = record.state == markstate::kOneCorner ? markstate::kOneCorner : markstate::kBothCorners;
      LinePlace start{first, record.firstColumn, record.first};
      doc.anchor = start;
      setCorners(doc, record.kind, state, start, LinePlace{last, record.lastColumn, record.last});
      return true;
    }
    default:
      return false;
  }
}

void Marks::expandBlockLines(Document& doc) {
  ColumnRule rule = columnRule(engine_, doc);
  // Expanding keeps every display column where it was: corners stay put.
  const Mark mark = doc.mark;
  const LinePlace anchor = doc.anchor;
  forEachMarkedLine(doc, [&](Line& line, LineIndex, const MarkedPart&) {
    if ((line.flags & lineflag::kTabsExpanded) || line.view().find('\t') == std::string_view::npos) return;
    doc.expandTabs(line, expandTabs(line.view(), rule));
  });
  doc.mark = mark;
  doc.anchor = anchor;
}

void Marks::restoreExpandedLines(Document& doc) {
  if (!doc.hasTabExpansions()) return;
  const LinePlace anchor = doc.anchor;
  for (Line* line = doc.first; line; line = line->next())
    if (line->flags & lineflag::kTabsExpanded) doc.restoreTabs(*line, unexpandedText(doc, *line));
  doc.anchor = anchor;
}

std::string Marks::unexpandedText(const Document& doc, const Line& line) const {
  const TabExpansion* expansion = doc.tabExpansion(line);
  if (expansion && expansion->expanded == line.view()) return expansion->original;
  return compressBlanks(line.view(), columnRule(engine_, doc));
}

ShownSpan::ShownSpan(const Marks& marks, Document& doc, const LinePlace& first, int lastColumn)
    : doc_(doc), holder_(marks.holder()) {
  if (holder_) {
    mark_ = holder_->mark;
    range_ = holder_->range;
    for (Line* line = range_.first; line; line = line->next()) {
      if (line->flags & lineflag::kInRange) markedLines_.push_back(line);
      line->flags &= ~lineflag::kInRange;
      if (line == range_.last) break;
    }
    holder_->mark = Mark{};
    holder_->range = OperationRange{};
    holder_->flags |= docflag::kRepaintAll;
  }
  int state = first.column == lastColumn ? markstate::kOneCorner : markstate::kBothCorners;
  doc.mark = Mark{markkind::kBlock, state, first.line, first.column, first.lineNumber,
                  first.line,       lastColumn, first.lineNumber};
  doc.flags |= docflag::kRepaintAll;
}

ShownSpan::~ShownSpan() {
  doc_.mark = Mark{};
  doc_.flags |= docflag::kRepaintAll;
  if (!holder_) return;
  holder_->mark = mark_;
  holder_->range = range_;
  for (Line* line : markedLines_) line->flags |= lineflag::kInRange;
  holder_->flags |= docflag::kRepaintAll;
}

}  // namespace tarn
