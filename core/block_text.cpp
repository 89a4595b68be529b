#include "core/block_text.h"

#include <algorithm>
#include <string>

#include "core/engine.h"
#include "core/marks.h"

namespace tarn {

namespace {

int bufferKindOf(int markKind) {
  switch (markKind) {
    case markkind::kLine: return bufferkind::kMarkedLines;
    case markkind::kBlock: return bufferkind::kBlock;
    default: return bufferkind::kCharacters;
  }
}

void deleteMarkedLines(Document& doc) {
  std::vector<Line*> lines;
  forEachMarkedLine(doc, [&](Line& line, LineIndex, const MarkedPart&) { lines.push_back(&line); });
  bool onBottom = doc.current == doc.last;
  for (Line* line : lines) doc.deleteLine(line);
  // As after deleting the last line: the cursor stays on a text line.
  if (!onBottom && doc.current == doc.last && doc.current->prev()) {
    doc.current = doc.current->prev();
    --doc.currentLineNumber;
  }
}

// A cursor in the block goes to its left column; one right of it moves
// left with its text.
void deleteBlock(const ColumnRule& rule, Document& doc) {
  const Mark m = normalised(doc.mark);
  int width = m.lastColumn - m.firstColumn + 1;
  bool cursorOnBlock = doc.currentLineNumber >= m.firstLineNumber && doc.currentLineNumber <= m.lastLineNumber;
  forEachMarkedLine(doc, [&](Line& line, LineIndex, const MarkedPart& part) {
    ByteSpan span = markedBytes(line.view(), part, rule);
    doc.deleteCharacters(line, static_cast<uint32_t>(span.begin), static_cast<uint32_t>(span.size()));
  });
  if (!cursorOnBlock) return;
  if (doc.cursorColumn > m.lastColumn)
    doc.cursorColumn -= width;
  else if (doc.cursorColumn >= m.firstColumn)
    doc.cursorColumn = m.firstColumn;
}

void deleteCharacterMark(const ColumnRule& rule, Document& doc) {
  const Mark m = normalised(doc.mark);
  Line* first = m.firstLine;
  Line* last = m.lastLine;
  LineIndex lastNumber = m.lastLineNumber;
  ByteSpan head = markedBytes(first->view(), *markedPartOf(m, first, m.firstLineNumber), rule);
  ByteSpan tail = markedBytes(last->view(), *markedPartOf(m, last, lastNumber), rule);

  // Where the cursor goes: to the start of the mark when it stood in it,
  // after the start by as much as it stood after the mark's end when it
  // stood behind it on the mark's last line.
  enum class Cursor { Kept, Inside, Behind } cursor = Cursor::Kept;
  TextPosition at{0, 0};
  if (doc.currentLineNumber >= m.firstLineNumber && doc.currentLineNumber <= lastNumber) {
    at = positionAt(doc.current->view(), doc.cursorColumn, rule);
    if (doc.current == first && at.beyond == 0 && at.index < head.begin)
      cursor = Cursor::Kept;
    else if (doc.current == last && (at.index >= tail.end || at.beyond > 0))
      cursor = Cursor::Behind;
    else
      cursor = Cursor::Inside;
  }
  size_t behind = at.index - std::min(at.index, tail.end);

  if (first == last) {
    doc.deleteCharacters(*first, static_cast<uint32_t>(head.begin), static_cast<uint32_t>(tail.end - head.begin));
  } else {
    for (Line* line = first->next(); line != last;) {
      Line* next = line->next();
      doc.deleteLine(line);
      line = next;
    }
    std::string rest(last->view().substr(tail.end));
    doc.deleteCharacters(*first, static_cast<uint32_t>(head.begin),
                         static_cast<uint32_t>(first->length - head.begin));
    doc.insertCharacters(*first, static_cast<uint32_t>(head.begin), rest);
    doc.deleteLine(last);
  }
  if (cursor == Cursor::Kept) return;
  doc.current = first;
  doc.currentLineNumber = m.firstLineNumber;
  size_t byte = head.begin + (cursor == Cursor::Behind ? behind : 0);
  doc.cursorColumn = columnOf(first->view(), byte, rule) + (cursor == Cursor::Behind ? at.beyond : 0);
}

Line* lineBelow(Document& doc, Line& line) {
  Line* next = line.next();
  if (next && next != doc.last) return next;
  Line* fresh = makeLine(0);
  doc.insertAfter(&line, fresh);
  return fresh;
}

// One piece at a display column of a line: inserted (widened to width with
// blanks when text follows it) or typed over the text there.
void putPiece(Document& doc, Line& line, int column, std::string_view piece, PasteMode mode, size_t width,
              const ColumnRule& rule) {
  TextPosition at = positionAt(line.view(), column, rule);
  std::string text(piece);
  if (mode == PasteMode::Insert && at.beyond == 0 && at.index < line.length && text.size() < width)
    text.resize(width, ' ');
  if (text.empty()) return;
  if (at.beyond > 0) {
    doc.insertCharacters(line, line.length, std::string(static_cast<size_t>(at.beyond), ' '));
    at.index = line.length;
  }
  auto index = static_cast<uint32_t>(at.index);
  if (mode == PasteMode::Overlay) {
    size_t over = std::min<size_t>(text.size(), line.length - at.index);
    doc.replaceCharacters(line, index, std::string_view(text).substr(0, over));
    doc.insertCharacters(line, index + static_cast<uint32_t>(over), std::string_view(text).substr(over));
  } else {
    doc.insertCharacters(line, index, text);
  }
}

void pasteLines(Document& doc, const std::vector<std::string>& lines) {
  if (doc.current == doc.last) {
    for (const std::string& text : lines) doc.insertBeforeCurrent(makeLine(text));
    return;
  }
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) doc.insertAfterCurrent(makeLine(*it));
}

// The cursor line is split at the cursor and the pieces go between.
void insertStream(Document& doc, const std::vector<std::string>& pieces, const ColumnRule& rule) {
  Line& line = *doc.current;
  if (pieces.size() == 1) return putPiece(doc, line, doc.cursorColumn, pieces[0], PasteMode::Insert, 0, rule);
  TextPosition at = positionAt(line.view(), doc.cursorColumn, rule);
  std::string tail(line.view().substr(at.index));
  doc.deleteCharacters(line, static_cast<uint32_t>(at.index), static_cast<uint32_t>(tail.size()));
  putPiece(doc, line, doc.cursorColumn, pieces.front(), PasteMode::Insert, 0, rule);
  Line* previous = &line;
  for (size_t i = 1; i < pieces.size(); ++i) {
    Line* fresh = makeLine(i + 1 < pieces.size() ? pieces[i] : pieces[i] + tail);
    doc.insertAfter(previous, fresh);
    previous = fresh;
  }
}

// Piece i on the i-th line from the cursor line down: at the cursor
// column (a block, or the first piece), else at column 0.
void putPiecesDown(Document& doc, const BufferContents& contents, PasteMode mode, const ColumnRule& rule) {
  bool block = contents.kind == bufferkind::kBlock;
  size_t width = 0;
  if (block)
    for (const std::string& piece : contents.lines) width = std::max(width, piece.size());
  Line* line = doc.current;
  for (size_t i = 0; i < contents.lines.size(); ++i) {
    if (i > 0) line = lineBelow(doc, *line);
    int column = block || i == 0 ? doc.cursorColumn : 0;
    putPiece(doc, *line, column, contents.lines[i], mode, width, rule);
  }
}

bool cursorInCornerMark(const Document& doc) {
  if (doc.mark.type == markkind::kNone) return false;
  std::optional<MarkedPart> part = markedPart(doc, doc.current, doc.currentLineNumber);
  return part && !part->wholeLine && doc.cursorColumn >= part->first && doc.cursorColumn <= part->last;
}

}  // namespace

BufferContents markedText(const Engine& engine, const Document& holder) {
  BufferContents contents{bufferKindOf(markKind(holder)), {}};
  ColumnRule rule = columnRule(engine, holder);
  forEachMarkedLine(holder, [&](Line& line, LineIndex, const MarkedPart& part) {
    ByteSpan span = markedBytes(line.view(), part, rule);
    contents.lines.emplace_back(line.view().substr(span.begin, span.size()));
  });
  return contents;
}

void copyMarkToBuffer(Engine& engine, Document& running, const Document& holder) {
  engine.marks().buffer().replace(running, markedText(engine, holder));
}

void deleteMarkedText(Engine& engine, Document& holder) {
  ColumnRule rule = columnRule(engine, holder);
  switch (markKind(holder)) {
    case markkind::kLine: deleteMarkedLines(holder); break;
    case markkind::kBlock: deleteBlock(rule, holder); break;
    case markkind::kCharacter: deleteCharacterMark(rule, holder); break;
    default: return;
  }
  engine.marks().removeMark(holder);
}

bool mayPaste(const Document& doc, const BufferContents& contents) {
  if (contents.kind == bufferkind::kEmpty || contents.lines.empty() || doc.isReadOnly()) return false;
  if (bufferkind::isLines(contents.kind)) return !doc.isCommandLine();
  if (doc.isCommandLine()) return contents.lines.size() == 1;
  return doc.current && !doc.isSentinel(doc.current);
}

bool pasteBuffer(Engine& engine, Document& doc, PasteMode mode) {
  BufferContents contents = engine.marks().buffer().contents();
  if (!mayPaste(doc, contents)) return false;
  ColumnRule rule = columnRule(engine, doc);
  bool keepMark = cursorInCornerMark(doc);
  const Mark mark = doc.mark;
  if (bufferkind::isLines(contents.kind))
    pasteLines(doc, contents.lines);
  else if (contents.kind == bufferkind::kCharacters && mode == PasteMode::Insert)
    insertStream(doc, contents.lines, rule);
  else
    putPiecesDown(doc, contents, mode, rule);
  if (keepMark) {
    doc.mark = mark;
    doc.mark.firstLineNumber = doc.indexOf(mark.firstLine);
    doc.mark.lastLineNumber = doc.indexOf(mark.lastLine);
  }
  doc.flags |= docflag::kRepaintAll;
  return true;
}

}  // namespace tarn
