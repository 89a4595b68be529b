// The functions that move text through the line buffer: copying, moving,
// overlaying and deleting the mark, and cutting, copying and duplicating
// lines.
#include <algorithm>
#include <vector>

#include "core/block_text.h"
#include "core/engine.h"
#include "core/marks.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/line_breaks.h"
#include "edit/text_changes.h"
#include "edit/word_wrap.h"

namespace tarn::handler {

namespace {

bool bitSet(const Document& doc, int bit) { return doc.option(opt::kBehaviour) & bit; }

// Up to count lines from the current one, as the line buffer holds them.
BufferContents cursorLines(const Document& doc, int count) {
  BufferContents contents{bufferkind::kCursorLines, {}};
  int n = std::clamp((lastTextNumber(doc) - doc.currentLineNumber) + 1, 0, count);
  const Line* line = doc.current;
  for (int i = 0; i < n; ++i, line = line->next()) contents.lines.emplace_back(line->view());
  return contents;
}

// Whole lines added to those the buffer holds (which it replaces unless
// they are whole lines).
BufferContents withLinesAdded(const LineBuffer& buffer, BufferContents added) {
  if (!bufferkind::isLines(buffer.kind())) return added;
  BufferContents held = buffer.contents();
  held.lines.insert(held.lines.end(), added.lines.begin(), added.lines.end());
  return held;
}

// The repeat count of lines from the current one move into the line buffer.
int cutCursorLines(EngineCall& call) {
  Document& doc = call.doc;
  if (doc.isReadOnly()) return refuseChange(call);
  if (!mayEditCurrent(doc)) return 0;
  BufferContents cut = cursorLines(doc, call.repeat);
  size_t n = cut.lines.size();
  call.engine.marks().buffer().replace(doc, std::move(cut));
  for (; n > 0; --n) deleteCurrentLine(doc);
  return 1;
}

// Copy mark and overlay block: the marked text, wherever it is, goes in at
// the cursor, and word wrap follows as after typing.
int copyToCursor(EngineCall& call, PasteMode mode) {
  Document& doc = call.doc;
  Document* holder = call.engine.marks().holder();
  if (!holder) return 0;
  if (doc.isReadOnly()) return refuseChange(call);
  BufferContents text = markedText(call.engine, *holder);
  if (!mayPaste(doc, text)) return refuseChange(call);
  call.engine.marks().buffer().replace(doc, std::move(text));
  pasteBuffer(call.engine, doc, mode);
  if (doc.option(opt::kWordWrap)) wrapAfterTyping(call);
  call.engine.marks().setChanged();
  return 1;
}

// Where a line mark moved within its file would go: after the current line
// (above the bottom-of-file line when the cursor is on it); null when that
// lies among the marked lines.
Line* lineMarkTarget(const Document& doc) {
  const OperationRange& range = doc.range;
  if (doc.currentLineNumber >= range.firstNumber && doc.currentLineNumber <= range.lastNumber) return nullptr;
  return doc.current == doc.last ? doc.current->prev() : doc.current;
}

// A line mark moves within its file as one relinking of its lines.
int moveLinesWithin(EngineCall& call) {
  Document& doc = call.doc;
  Line* after = lineMarkTarget(doc);
  if (!after) return 0;
  std::vector<Line*> lines;
  forEachMarkedLine(doc, [&](Line& line, LineIndex, const MarkedPart&) { lines.push_back(&line); });
  doc.relinkLines(after, lines);
  doc.flags |= docflag::kRepaintAll;
  return 1;
}

bool cursorInMark(const Document& doc) {
  std::optional<MarkedPart> part = markedPart(doc, doc.current, doc.currentLineNumber);
  return part && doc.cursorColumn >= part->first && doc.cursorColumn <= part->last;
}

}  // namespace

int copyMark(EngineCall& call) { return copyToCursor(call, PasteMode::Insert); }

int overlayBlock(EngineCall& call) { return copyToCursor(call, PasteMode::Overlay); }

// The text is copied, deleted from its place and pasted at the cursor,
// which keeps to its text meanwhile; moving text into itself fails.
int moveMark(EngineCall& call) {
  Document& doc = call.doc;
  if (!call.engine.marks().holder()) return 0;
  if (doc.isReadOnly()) return refuseChange(call);
  Document* holder = changeableMarkHolder(call);
  if (!holder) return 0;
  Marks& marks = call.engine.marks();
  if (holder == &doc && markKind(doc) == markkind::kLine) {
    if (!moveLinesWithin(call)) return 0;
  } else {
    if (holder == &doc && cursorInMark(doc)) return 0;
    BufferContents text = markedText(call.engine, *holder);
    if (!mayPaste(doc, text)) return refuseChange(call);
    marks.buffer().replace(doc, std::move(text));
    deleteMarkedText(call.engine, *holder);
    pasteBuffer(call.engine, doc, PasteMode::Insert);
  }
  marks.unmarkAll();
  marks.setChanged();
  return 1;
}

// The marked text goes to the line buffer. With no mark, behaviour bit 2
// clear, the repeat count of lines from the cursor on.
int deleteMark(EngineCall& call) {
  Document& doc = call.doc;
  Marks& marks = call.engine.marks();
  if (!marks.holder()) return bitSet(doc, behaviour::kNoLineActionWithoutMark) ? 0 : cutCursorLines(call);
  Document* holder = changeableMarkHolder(call);
  if (!holder) return 0;
  copyMarkToBuffer(call.engine, doc, *holder);
  deleteMarkedText(call.engine, *holder);
  marks.unmarkAll();
  marks.setChanged();
  return 1;
}

// A character or block mark is cut; a line mark's lines are added to the
// lines the buffer holds; with no mark, lines from the cursor on.
int cutLines(EngineCall& call) {
  Marks& marks = call.engine.marks();
  if (!marks.holder()) return cutCursorLines(call);
  Document* holder = changeableMarkHolder(call);
  if (!holder) return 0;
  BufferContents cut = markedText(call.engine, *holder);
  LineBuffer& buffer = marks.buffer();
  buffer.replace(call.doc, bufferkind::isLines(cut.kind) ? withLinesAdded(buffer, std::move(cut)) : std::move(cut));
  deleteMarkedText(call.engine, *holder);
  marks.setChanged();
  return 1;
}

int copyLines(EngineCall& call) {
  Document& doc = call.doc;
  Marks& marks = call.engine.marks();
  if (Document* holder = marks.holder()) {
    copyMarkToBuffer(call.engine, doc, *holder);
    return 1;
  }
  if (bitSet(doc, behaviour::kNoLineActionWithoutMark) || doc.isSentinel(doc.current)) return 0;
  marks.buffer().replace(doc, cursorLines(doc, call.repeat));
  return 1;
}

// The lines are copied through the line buffer below the current line.
int dupLine(EngineCall& call) {
  Document& doc = call.doc;
  if (!mayAddLines(call) || !mayEditCurrent(doc)) return 0;
  call.engine.marks().buffer().replace(doc, cursorLines(doc, call.repeat));
  pasteBuffer(call.engine, doc, PasteMode::Insert);
  stepCursorTo(doc, doc.current->next(), doc.currentLineNumber + 1);
  return 1;
}

}  // namespace tarn::handler
