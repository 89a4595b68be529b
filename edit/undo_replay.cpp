// Replaying: undo takes a step back newest record first, redo applies it
// again oldest record first. Every change goes through the document's
// primitives, so the mark, the bookmarks and the colouring follow.
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "core/document.h"
#include "edit/cursor_lines.h"
#include "edit/kept_lines.h"
#include "edit/undo_ring.h"

namespace tarn {

using namespace undotype;

namespace {

// The line of a record, made current, when it lies within the text.
Line* goToLine(Document& doc, int32_t number) {
  LineIndex index(number);
  Line* line = lineNear(doc, index);
  if (!line || doc.isSentinel(line)) return nullptr;
  moveCursorTo(doc, line, index);
  return line;
}

bool holds(const Line* line, int32_t column, int32_t count) {
  return line && column >= 0 && count >= 0 && static_cast<uint32_t>(column) + static_cast<uint32_t>(count) <= line->length;
}

// The places the lines of an S record had, in the order they have now.
std::vector<int32_t> previousPlaces(const UndoRecord& record, std::string_view kept) {
  std::vector<int32_t> places(static_cast<size_t>(record.count));
  if (kept.size() == places.size() * sizeof(int32_t)) {
    std::memcpy(places.data(), kept.data(), kept.size());
  } else {
    for (int32_t k = 0; k < record.count; ++k) places[static_cast<size_t>(k)] = record.column + k;
  }
  return places;
}

// The lines at the given sorted indices, in one walk.
std::vector<Line*> linesAt(const Document& doc, const std::vector<int32_t>& sorted) {
  std::vector<Line*> lines;
  lines.reserve(sorted.size());
  Line* line = doc.first;
  int32_t n = kFirstLine.value();
  for (int32_t wanted : sorted) {
    while (line && n < wanted) line = line->next(), ++n;
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

bool UndoRing::undo(Document& doc) {
  if (open_) endStep(doc);
  if (!recording(doc) || current_ == 0) return false;
  size_t last = current_ - 1;
  return replayStep(doc, stepStartOf(last), last, true);
}

bool UndoRing::redo(Document& doc) {
  if (open_) endStep(doc);
  if (!recording(doc) || current_ == records_.size()) return false;
  size_t first = current_;
  size_t last = first;
  while (records_[last].continues() && last + 1 < records_.size()) ++last;
  return replayStep(doc, first, last, false);
}

bool UndoRing::replayStep(Document& doc, size_t first, size_t last, bool undoing) {
  replaying_ = true;
  size_t count = last - first + 1;
  size_t done = 0;
  auto at = [&](size_t k) -> UndoRecord& { return records_[undoing ? last - k : first + k]; };
  while (done < count && replayRecord(doc, at(done), undoing)) ++done;
  if (done < count) {
    // The records do not fit the text: what was replayed is put back, and
    // a history that cannot be trusted goes.
    while (done-- > 0) replayRecord(doc, at(done), !undoing);
    replaying_ = false;
    clearHistory();
    return false;
  }
  replaying_ = false;
  current_ = undoing ? first : last + 1;
  finishReplay(doc, first, undoing);
  return true;
}

void UndoRing::finishReplay(Document& doc, size_t first, bool undoing) {
  const UndoRecord& cursor = records_[first];
  if (cursor.kind() == kCursor) {
    LineIndex number(undoing ? cursor.line : cursor.count);
    if (Line* line = lineNear(doc, number)) {
      moveCursorTo(doc, line, number);
      doc.cursorColumn = undoing ? cursor.column : cursor.endColumn;
    }
  }
  // Back at the text the file was saved with: nothing is unsaved.
  if (saved_ && *saved_ == state()) doc.setChangeCount(0);
}

// Each kind of record, one way or the other. Cursor records are applied
// once the whole step is back.
bool UndoRing::replayRecord(Document& doc, UndoRecord& record, bool undoing) {
  std::optional<Document::BesideText> beside;
  if (record.besideText()) beside.emplace(doc);
  switch (record.kind()) {
    case kInserted:
      return undoing ? removeBytes(doc, record, true) : insertBytes(doc, record) && forgetKept(record);
    case kDeleted:
      return undoing ? insertBytes(doc, record) : removeBytes(doc, record, false);
    case kReplaced:
      return swapBytes(doc, record);
    case kLinesInserted:
      return undoing ? takeLines(doc, record) : putLines(doc, record) && forgetKept(record);
    case kLinesDeleted:
      return undoing ? putLines(doc, record) : takeLines(doc, record);
    case kLinesMoved:
      return moveLinesBack(doc, record, undoing);
    case kBufferReplaced:
      return exchangeBuffer(record);
    case kTabExpansion:
      return swapExpansion(doc, record);
    default:
      return true;
  }
}

// What was inserted is in the text again: the next undo takes it from there.
bool UndoRing::forgetKept(UndoRecord& record) {
  kept_.release(record.text);
  record.text = KeptText::kNone;
  return true;
}

bool UndoRing::insertBytes(Document& doc, UndoRecord& record) {
  Line* line = goToLine(doc, record.line);
  if (!holds(line, record.column, 0)) return false;
  doc.insertCharacters(*line, static_cast<uint32_t>(record.column), kept_.read(record.text, scratch_));
  return true;
}

bool UndoRing::removeBytes(Document& doc, UndoRecord& record, bool keep) {
  Line* line = goToLine(doc, record.line);
  if (!holds(line, record.column, record.count)) return false;
  auto column = static_cast<uint32_t>(record.column);
  auto count = static_cast<uint32_t>(record.count);
  if (keep) {
    kept_.release(record.text);
    record.text = kept_.keep(line->view().substr(column, count));
  }
  doc.deleteCharacters(*line, column, count);
  return true;
}

// The line holds one version of the bytes and the record the other.
bool UndoRing::swapBytes(Document& doc, UndoRecord& record) {
  Line* line = goToLine(doc, record.line);
  if (!holds(line, record.column, record.count)) return false;
  std::string now(line->view().substr(static_cast<size_t>(record.column), static_cast<size_t>(record.count)));
  doc.replaceCharacters(*line, static_cast<uint32_t>(record.column), kept_.read(record.text, scratch_));
  kept_.release(record.text);
  record.text = kept_.keep(now);
  return true;
}

// Deletes the record's lines; an L record keeps them for redo (a Y record
// kept them when they were first deleted).
bool UndoRing::takeLines(Document& doc, UndoRecord& record) {
  if (record.line < firstTextNumber(doc).value() || record.line + record.count - 1 > lastTextNumber(doc).value())
    return false;
  Line* line = goToLine(doc, record.line);
  if (!line) return false;
  bool keep = record.kind() == kLinesInserted;
  std::string packed;
  for (int32_t k = 0; k < record.count; ++k) {
    Line* next = line->next();
    if (keep) packLine(packed, *line, doc.tabExpansion(*line));
    doc.deleteLine(line);
    line = next;
  }
  if (keep) {
    kept_.release(record.text);
    record.text = kept_.keep(packed);
  }
  return true;
}

// Links the record's kept lines in again, the first at the record's line.
bool UndoRing::putLines(Document& doc, const UndoRecord& record) {
  LineIndex index(record.line - 1);
  Line* before = lineNear(doc, index);
  if (!before || before == doc.last || record.text == KeptText::kNone) return false;
  moveCursorTo(doc, before, index);
  for (KeptLine& kept : unpackLines(kept_.read(record.text, scratch_))) {
    doc.insertAfterCurrent(kept.line);
    moveCursorTo(doc, kept.line, ++index);
    if (kept.expansion) doc.setTabExpansion(*kept.line, std::move(kept.expansion));
  }
  return true;
}

// Undo: the lines now at the record's line go back to the places they had,
// each run of neighbours after the line that stood before it. Redo: they
// leave those places again for the record's line, in their new order.
bool UndoRing::moveLinesBack(Document& doc, const UndoRecord& record, bool undoing) {
  int32_t to = record.line;
  int32_t count = record.count;
  if (to < firstTextNumber(doc).value() || to + count - 1 > lastTextNumber(doc).value()) return false;
  std::vector<int32_t> places = previousPlaces(
      record, record.text == KeptText::kNone ? std::string_view() : kept_.read(record.text, scratch_));
  std::vector<int32_t> sorted = places;
  std::sort(sorted.begin(), sorted.end());
  if (sorted.front() < firstTextNumber(doc).value() || sorted.back() > lastTextNumber(doc).value()) return false;
  // How many of the moved lines had a place before the given one.
  auto movedBefore = [&](int32_t place) {
    return static_cast<int32_t>(std::lower_bound(sorted.begin(), sorted.end(), place) - sorted.begin());
  };
  if (!undoing) {
    // The line left of the new place, among the lines that do not move.
    int32_t before = to - 1;
    for (int32_t place : sorted)
      if (place <= before) ++before;
    std::vector<Line*> found = linesAt(doc, sorted);
    std::vector<Line*> lines(found.size());
    for (size_t k = 0; k < places.size(); ++k)
      lines[k] = found[static_cast<size_t>(movedBefore(places[k]))];
    doc.relinkLines(lineNear(doc, LineIndex(before)), lines);
    return true;
  }
  // The lines in the order of their old places, and the runs among them.
  std::vector<Line*> moved;
  moved.reserve(static_cast<size_t>(count));
  for (Line* line = lineNear(doc, LineIndex(to)); moved.size() < places.size(); line = line->next())
    moved.push_back(line);
  std::vector<Line*> inOrder(moved.size());
  for (size_t k = 0; k < places.size(); ++k) inOrder[static_cast<size_t>(movedBefore(places[k]))] = moved[k];
  struct Run {
    Line* after;
    size_t first, end;
  };
  std::vector<Run> runs;
  for (size_t k = 0; k < sorted.size();) {
    size_t end = k + 1;
    while (end < sorted.size() && sorted[end] == sorted[end - 1] + 1) ++end;
    // The line before the run, counted among the lines that stay.
    int32_t stays = sorted[k] - 1 - movedBefore(sorted[k]);
    runs.push_back({lineNear(doc, LineIndex(stays < to ? stays : stays + count)), k, end});
    k = end;
  }
  for (const Run& run : runs)
    doc.relinkLines(run.after, std::vector<Line*>(inOrder.begin() + static_cast<ptrdiff_t>(run.first),
                                                  inOrder.begin() + static_cast<ptrdiff_t>(run.end)));
  return true;
}

// The line stands for one text and the record keeps the other.
bool UndoRing::swapExpansion(Document& doc, UndoRecord& record) {
  Line* line = goToLine(doc, record.line);
  if (!line) return false;
  KeptText::Handle now = keepExpansion(doc.tabExpansion(*line));
  std::optional<TabExpansion> kept;
  if (record.text != KeptText::kNone) {
    std::string_view packed = kept_.read(record.text, scratch_);
    kept = unpackExpansion(packed);
  }
  doc.setTabExpansion(*line, std::move(kept));
  kept_.release(record.text);
  record.text = now;
  return true;
}

bool UndoRing::exchangeBuffer(UndoRecord& record) {
  KeptBuffer& kept = buffers_[static_cast<size_t>(record.text)];
  kept.contents = kept.buffer->exchange(std::move(kept.contents));
  return true;
}

}  // namespace tarn
