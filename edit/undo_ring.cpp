// Recording: the records a step leaves, merged where a run of typing or
// deleting allows, and the history kept within its depth.
#include "edit/undo_ring.h"

#include <utility>

#include "core/document.h"
#include "core/function_codes.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/free_slots.h"
#include "edit/kept_lines.h"

namespace tarn {

using namespace undotype;

namespace {

bool isCharacterRecord(uint16_t kind) { return kind == kInserted || kind == kReplaced || kind == kDeleted; }

}  // namespace

UndoRing::UndoRing(UndoLimits limits) : limits_(limits) {}

UndoRing::~UndoRing() = default;

bool UndoRing::recording(const Document& doc) const {
  return doc.option(opt::kUndoRecording) != 0 && !replaying_;
}

bool UndoRing::admit(Document& doc, bool besideText) {
  if (replaying_) return false;
  if (!doc.option(opt::kUndoRecording)) {
    // The records would no longer fit the text.
    dropHistory();
    return false;
  }
  if (dropping_) return false;
  // A change made outside any function is a step of its own.
  if (!open_) {
    noteSavedState(doc);
    // With no step to join, a change beside the text is no step of its
    // own: undo would stop at it, seeming to do nothing. Unrecorded, it
    // leaves the history where it began.
    if (besideText) return joinNewestStep(doc);
    openStep(doc);
  }
  return true;
}

// Undo then takes back what happened beside the text with the step before
// it, instead of stopping at a step that changes nothing the user sees.
bool UndoRing::joinNewestStep(Document& doc) {
  discardRedo();
  if (current_ == 0) return false;
  open_ = true;
  joined_ = true;
  dropping_ = false;
  stepStart_ = stepStartOf(current_ - 1);
  startLine_ = LineIndex(records_[stepStart_].line);
  startColumn_ = records_[stepStart_].column;
  stepBytes_ = 0;
  records_.back().type |= kContinues;
  savedAtJoin_ = saved_ && *saved_ == state();
  savesSeen_ = doc.saveCount();
  return true;
}

void UndoRing::openStep(Document& doc) {
  discardRedo();
  open_ = true;
  dropping_ = false;
  stepStart_ = records_.size();
  startLine_ = doc.currentLineNumber;
  startColumn_ = doc.cursorColumn;
  stepBytes_ = 0;
}

void UndoRing::noteSavedState(const Document& doc) {
  if (doc.changeCount() == 0 && !doc.hasUncountedChanges()) saved_ = state();
  savesSeen_ = doc.saveCount();
}

// A save in the middle of a step saved either the text the step ends with,
// or one that undo and redo never come to.
void UndoRing::noteSaveWithinStep(const Document& doc) {
  if (doc.saveCount() == savesSeen_) return;
  if (doc.changeCount() == 0 && !doc.hasUncountedChanges())
    saved_ = state();
  else
    saved_.reset();
  savesSeen_ = doc.saveCount();
}

void UndoRing::beginStep(Document& doc, int code) {
  // A function's own step never goes on a step joined from outside.
  if (joined_) endStep(doc);
  bool replay = code == fn::kUndo || code == fn::kRedo;
  if (!replay) discardRedo();
  if (open_) return;  // a batch, or a function sent by another: the step goes on
  noteSavedState(doc);
  if (!replay && recording(doc)) openStep(doc);
}

void UndoRing::endStep(Document& doc) {
  if (!open_) return;
  open_ = false;
  bool joined = std::exchange(joined_, false);
  if (dropping_) {
    dropping_ = false;
    return noteSaveWithinStep(doc);
  }
  if (records_.size() == stepStart_) {
    // A step that only moved the cursor; one that did nothing leaves nothing.
    if (doc.currentLineNumber == startLine_ && doc.cursorColumn == startColumn_) return noteSaveWithinStep(doc);
    records_.push_back({kCursor, startLine_.value(), startColumn_, 0});
    current_ = records_.size();
  } else {
    foldIntoPreviousStep(doc);
    records_.back().type &= ~kContinues;
  }
  UndoRecord& cursor = records_[stepStart_];
  cursor.count = doc.currentLineNumber.value();
  cursor.endColumn = doc.cursorColumn;
  noteSaveWithinStep(doc);
  // A step that ended with the saved text and was joined by changes beside
  // it still ends with the saved text.
  if (joined && savedAtJoin_ && doc.changeCount() == 0 && !doc.hasUncountedChanges()) saved_ = state();
  dropOldestSteps();
}

void UndoRing::write(UndoRecord record, size_t keptBytes) {
  if (records_.size() == stepStart_) {
    records_.push_back({kCursor | kContinues, startLine_.value(), startColumn_, 0});
    stepBytes_ += sizeof(UndoRecord);
  }
  record.type |= kContinues;
  records_.push_back(record);
  current_ = records_.size();
  if (!withinLimit(sizeof(UndoRecord) + keptBytes)) return;
  dropOldestSteps();
}

bool UndoRing::withinLimit(size_t moreBytes) {
  stepBytes_ += moreBytes;
  if (stepBytes_ <= limits_.stepBytes) return true;
  // The step cannot be kept whole.
  dropHistory();
  return false;
}

bool UndoRing::mergeIntoNewest(const UndoRecord& record, std::string_view text, bool kept) {
  if (records_.size() <= stepStart_) return false;  // only within the step; see foldIntoPreviousStep
  if (!merge(records_.back(), record, text, kept)) return false;
  withinLimit(kept ? text.size() : 0);
  return true;
}

// The newest record takes in a new one that continues it: typing on, typing
// over on, deleting on at the same place or leftwards, lines inserted or
// deleted next to the ones before.
bool UndoRing::merge(UndoRecord& into, const UndoRecord& record, std::string_view text, bool kept) {
  uint16_t kind = record.kind();
  if (into.kind() != kind || into.besideText() != record.besideText()) return false;
  if (isCharacterRecord(kind)) {
    if (into.line != record.line || text.starts_with('\n')) return false;
    if (record.column == into.column + into.count && kind != kDeleted) {
      if (kept) kept_.append(into.text, text);
    } else if (kind == kDeleted && record.column == into.column) {
      kept_.append(into.text, text);
    } else if (kind == kDeleted && record.column + record.count == into.column) {
      kept_.prepend(into.text, text);
      into.column = record.column;
    } else {
      return false;
    }
    into.count += record.count;
    return true;
  }
  if (kind == kLinesInserted) {
    if (record.line != into.line && record.line != into.line + into.count) return false;
    ++into.count;
    return true;
  }
  if (kind == kLinesDeleted) {
    if (record.line == into.line) {
      kept_.append(into.text, text);
    } else if (record.line == into.line - 1) {
      kept_.prepend(into.text, text);
      into.line = record.line;
    } else {
      return false;
    }
    ++into.count;
    return true;
  }
  return false;
}

// A step that only typed or deleted on from where the step before ended
// joins it, so that a word typed key by key undoes at once; not when the
// file was saved between the two.
void UndoRing::foldIntoPreviousStep(Document& doc) {
  if (stepStart_ == 0 || records_.size() != stepStart_ + 2) return;
  if (saved_ && *saved_ == dropped_ + static_cast<int64_t>(stepStart_)) return;
  UndoRecord& record = records_.back();
  if (!isCharacterRecord(record.kind())) return;
  std::string_view text;
  if (record.text != KeptText::kNone) {
    text = kept_.read(record.text, scratch_);
  } else if (const Line* line = lineNear(doc, LineIndex(record.line))) {
    text = line->view().substr(std::min<size_t>(record.column, line->length));
  }
  if (!merge(records_[stepStart_ - 1], record, text, record.text != KeptText::kNone)) return;
  kept_.release(record.text);
  records_.pop_back();
  records_.pop_back();
  current_ = records_.size();
  stepStart_ = stepStartOf(records_.size() - 1);
}

void UndoRing::recordText(Document& doc, uint16_t type, const TextChange& change, bool keep) {
  if (!admit(doc, change.besideText)) return;
  if (change.besideText) type |= kBesideText;
  UndoRecord record{type, change.index.value(), static_cast<int32_t>(change.column),
                    static_cast<int32_t>(change.text.size())};
  if (mergeIntoNewest(record, change.text, keep)) return;
  if (keep) record.text = kept_.keep(change.text);
  write(record, keep ? change.text.size() : 0);
}

void UndoRing::charactersInserted(Document& doc, const TextChange& change) {
  recordText(doc, kInserted, change, false);
}

void UndoRing::charactersDeleted(Document& doc, const TextChange& change) {
  recordText(doc, kDeleted, change, true);
}

void UndoRing::charactersReplaced(Document& doc, const TextChange& change) {
  recordText(doc, kReplaced, change, true);
}

void UndoRing::lineInserted(Document& doc, const Line&, LineIndex index) {
  if (!admit(doc)) return;
  UndoRecord record{kLinesInserted, index.value(), 0, 1};
  if (!mergeIntoNewest(record, {}, false)) write(record, 0);
}

void UndoRing::lineDeleted(Document& doc, const Line& line, LineIndex index) {
  if (!admit(doc)) return;
  std::string packed;
  packLine(packed, line, doc.tabExpansion(line));
  UndoRecord record{kLinesDeleted, index.value(), 0, 1};
  if (mergeIntoNewest(record, packed, true)) return;
  record.text = kept_.keep(packed);
  write(record, packed.size());
}

void UndoRing::linesMoved(Document& doc, const LinesMoved& moved) {
  if (!admit(doc)) return;
  UndoRecord record{kLinesMoved, moved.to.value(), moved.from.value(), moved.count};
  bool inOrder = true;
  for (size_t k = 0; k < moved.previous.size(); ++k) inOrder = inOrder && moved.previous[k] == moved.from + int(k);
  size_t bytes = 0;
  if (!inOrder) {
    std::string places;
    for (LineIndex index : moved.previous) {
      int32_t value = index.value();
      places.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    record.text = kept_.keep(places);
    bytes = places.size();
  }
  write(record, bytes);
}

// Contents replaced outside any step go with the newest step; with no
// step to go with, or steps to redo that they would cost, they are not
// kept: the text's history matters more than the buffer's.
void UndoRing::bufferReplaced(Document& doc, ExchangeableBuffer& buffer, std::unique_ptr<ExchangedContents> previous) {
  if (!recording(doc) || dropping_) return;
  if (!open_ && (current_ < records_.size() || !joinNewestStep(doc))) return;
  int32_t slot = takeSlot(buffers_, freeBuffers_);
  size_t bytes = previous ? previous->size() : 0;
  buffers_[slot] = {&buffer, std::move(previous)};
  write({kBufferReplaced, 0, 0, 0, slot}, bytes);
}

void UndoRing::textReplaced(Document&) { dropHistory(); }

void UndoRing::tabExpansionChanged(Document& doc, const Line&, LineIndex index,
                                   const std::optional<TabExpansion>& previous) {
  if (!admit(doc, true)) return;
  UndoRecord record{kTabExpansion, index.value(), 0, 0, keepExpansion(previous ? &*previous : nullptr)};
  write(record, record.text == KeptText::kNone ? 0 : kept_.size(record.text));
}

KeptText::Handle UndoRing::keepExpansion(const TabExpansion* expansion) {
  if (!expansion) return KeptText::kNone;
  std::string packed;
  packExpansion(packed, *expansion);
  return kept_.keep(packed);
}

bool UndoRing::canUndo(const Document& doc) const { return doc.option(opt::kUndoRecording) && current_ > 0; }

bool UndoRing::canRedo() const { return current_ < records_.size(); }

void UndoRing::discardRedo() {
  if (current_ == records_.size()) return;
  for (size_t i = current_; i < records_.size(); ++i) releaseKept(records_[i]);
  records_.erase(records_.begin() + static_cast<ptrdiff_t>(current_), records_.end());
  if (saved_ && *saved_ > state()) saved_.reset();
}

// Whole steps go, oldest first, never the newest one.
void UndoRing::dropOldestSteps() {
  while (records_.size() > limits_.depth && stepStart_ > 0) {
    bool stepEnded = false;
    while (!stepEnded && stepStart_ > 0) {
      stepEnded = !records_.front().continues();
      releaseKept(records_.front());
      records_.pop_front();
      --stepStart_;
      --current_;
      ++dropped_;
    }
  }
  if (saved_ && *saved_ < dropped_) saved_.reset();
}

// Neither the open step nor anything before it can be undone any longer,
// and the rest of the step is not recorded: undo stops here.
void UndoRing::dropHistory() {
  clearHistory();
  if (open_) dropping_ = true;
}

void UndoRing::clearHistory() {
  dropped_ += static_cast<int64_t>(records_.size());
  records_.clear();
  kept_.clear();
  buffers_.clear();
  freeBuffers_.clear();
  current_ = 0;
  stepStart_ = 0;
  stepBytes_ = 0;
  saved_.reset();
}

void UndoRing::releaseKept(UndoRecord& record) {
  if (record.kind() == kBufferReplaced) {
    buffers_[record.text] = {};
    freeBuffers_.push_back(record.text);
  } else {
    kept_.release(record.text);
  }
  record.text = KeptText::kNone;
}

size_t UndoRing::stepStartOf(size_t last) const {
  size_t first = last;
  while (first > 0 && records_[first - 1].continues()) --first;
  return first;
}

}  // namespace tarn
