// The undo ring of one document: the records its changes and cursor moves
// leave, grouped into steps (one function, or one batch of functions), and
// undo and redo of whole steps.
//
// The ring holds a history of about 256 records; the oldest steps go, whole,
// to make room. One step is never cut: while a step is being recorded the
// ring grows to hold all of it. A step that would keep more bytes than the
// memory limit is not kept at all, and neither is anything older: undo
// stops there instead of leaving a text that never existed.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/undo_log.h"
#include "edit/kept_text.h"
#include "edit/undo_record.h"

namespace tarn {

struct UndoLimits {
  size_t depth = 256;                  // records kept between steps
  size_t stepBytes = size_t{256} << 20;  // records and kept bytes of one step
};

class UndoRing final : public UndoLog {
 public:
  explicit UndoRing(UndoLimits limits = {});
  ~UndoRing() override;

  void charactersInserted(Document& doc, const TextChange& change) override;
  void charactersDeleted(Document& doc, const TextChange& change) override;
  void charactersReplaced(Document& doc, const TextChange& change) override;
  void lineInserted(Document& doc, const Line& line, LineIndex index) override;
  void lineDeleted(Document& doc, const Line& line, LineIndex index) override;
  void linesMoved(Document& doc, const LinesMoved& moved) override;
  void textReplaced(Document& doc) override;
  void tabExpansionChanged(Document& doc, const Line& line, LineIndex index,
                           const std::optional<TabExpansion>& previous) override;

  void beginStep(Document& doc, int code) override;
  void endStep(Document& doc) override;
  bool undo(Document& doc) override;
  bool redo(Document& doc) override;
  bool canUndo(const Document& doc) const override;
  bool canRedo() const override;
  void bufferReplaced(Document& doc, ExchangeableBuffer& buffer, std::unique_ptr<ExchangedContents> previous) override;

  // The records held, oldest first, and how many of them are in effect
  // (the others can be redone).
  const std::deque<UndoRecord>& records() const { return records_; }
  size_t recordsInEffect() const { return current_; }

 private:
  // Line buffer contents a P record keeps.
  struct KeptBuffer {
    ExchangeableBuffer* buffer = nullptr;
    std::unique_ptr<ExchangedContents> contents;
  };

  // Recording.
  bool recording(const Document& doc) const;
  // Whether a change may be recorded; a change that is not makes the
  // history useless, and it goes. besideText: a change that leaves the
  // text the user has as it was (tabs a block mark expands), which made
  // outside any step joins the newest one.
  bool admit(Document& doc, bool besideText = false);
  void openStep(Document& doc);
  // Opens the newest step in effect again; false when there is none.
  bool joinNewestStep(Document& doc);
  void write(UndoRecord record, size_t keptBytes);
  // Counts bytes against the step's limit; past it the history goes.
  bool withinLimit(size_t moreBytes);
  // text: the record's bytes; kept: whether the record keeps them.
  bool mergeIntoNewest(const UndoRecord& record, std::string_view text, bool kept);
  bool merge(UndoRecord& into, const UndoRecord& record, std::string_view text, bool kept);
  void foldIntoPreviousStep(Document& doc);
  void recordText(Document& doc, uint16_t type, const TextChange& change, bool keep);
  void noteSavedState(const Document& doc);
  void noteSaveWithinStep(const Document& doc);
  // A state of the text: the records in effect, counted from the first ever.
  int64_t state() const { return dropped_ + static_cast<int64_t>(current_); }

  // Discarding.
  void discardRedo();
  void dropOldestSteps();
  void dropHistory();
  void clearHistory();
  void releaseKept(UndoRecord& record);
  // The first record of the step that ends at index last.
  size_t stepStartOf(size_t last) const;

  // Replaying (undo_replay.cpp); false when a record does not fit the text.
  bool replayStep(Document& doc, size_t first, size_t last, bool undoing);
  bool replayRecord(Document& doc, UndoRecord& record, bool undoing);
  bool insertBytes(Document& doc, UndoRecord& record);
  // Takes the record's bytes out of the line; keep: into the record.
  bool removeBytes(Document& doc, UndoRecord& record, bool keep);
  bool forgetKept(UndoRecord& record);
  bool swapBytes(Document& doc, UndoRecord& record);
  bool takeLines(Document& doc, UndoRecord& record);
  bool putLines(Document& doc, const UndoRecord& record);
  bool moveLinesBack(Document& doc, const UndoRecord& record, bool undoing);
  bool exchangeBuffer(UndoRecord& record);
  bool swapExpansion(Document& doc, UndoRecord& record);
  // What a line stands for, as an X record keeps it.
  KeptText::Handle keepExpansion(const TabExpansion* expansion);
  void finishReplay(Document& doc, size_t first, bool undoing);

  UndoLimits limits_;
  std::deque<UndoRecord> records_;
  size_t current_ = 0;   // records [0, current_) are in effect
  int64_t dropped_ = 0;  // records dropped from the front so far
  std::optional<int64_t> saved_;  // the state the file was last saved in, while it can be reached
  int savesSeen_ = 0;             // the document's saves when saved_ was last looked at
  KeptText kept_;
  std::vector<KeptBuffer> buffers_;
  std::vector<int32_t> freeBuffers_;
  std::string scratch_;

  // The step being recorded.
  bool open_ = false;
  size_t stepStart_ = 0;  // index of its first record
  LineIndex startLine_;   // the cursor where it began
  int startColumn_ = 0;
  size_t stepBytes_ = 0;
  bool dropping_ = false;  // nothing of it is kept: it passed the memory limit or the history went
  bool joined_ = false;    // an ended step opened again for changes beside the text
  bool savedAtJoin_ = false;  // and it had ended with the saved text
  bool replaying_ = false;
};

}  // namespace tarn
