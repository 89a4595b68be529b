// Whether each line of a document ends inside a block remark: the state
// the next line starts with. The states of the lines from the top down to
// some line are known; a change drops what it can have changed, so that a
// remark opened on the first line of a long file shows on its last screen.
//
// A change keeps the states below it as they were: scanning on from the
// change, once a line ends in the state it ended in before, every line
// below it does too, so an edit costs the lines whose state it changed
// and no more. The states go with the line index; the changes made since
// the last scan are folded into one place from which the old states apply
// again and the number of lines they shifted them by.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/change_observer.h"
#include "core/line_number.h"

namespace tarn {

class KeywordSet;

class RemarkStates : public ChangeObserver {
 public:
  // Whether the line at index starts inside a block remark, scanning the
  // lines above it that are not known yet. line is the document's line at
  // that index, a text line.
  bool stateBefore(const KeywordSet& set, const Line& line, LineIndex index);
  // Keeps the end state of the line at index, which the caller tokenized
  // from stateBefore. Returns whether it differs from what the line ended
  // in before the latest changes, so that the lines below look different.
  bool keepEnd(LineIndex index, bool inRemark);

  // Forgets every state (another keyword set colours the document).
  void forget();

  // How many lines were scanned for their state, all told: what a change
  // cost shows in it.
  size_t linesScanned() const { return scanned_; }

  void charactersInserted(Document&, const TextChange& change) override { changed(change.index, 0); }
  void charactersDeleted(Document&, const TextChange& change) override { changed(change.index, 0); }
  void charactersReplaced(Document&, const TextChange& change) override { changed(change.index, 0); }
  void lineInserted(Document&, const Line&, LineIndex index) override { changed(index, 1); }
  void lineDeleted(Document&, const Line&, LineIndex index) override { changed(index, -1); }
  void linesMoved(Document&, const LinesMoved& moved) override;
  void textReplaced(Document&) override { forget(); }

 private:
  // The line at index changed: lines added (1), removed (-1) or its text (0).
  void changed(LineIndex index, int lines);
  // Moves the old states below the changes to the indices of their lines.
  void alignOldStates();
  // Takes the end state of the next line to know; true when the old states
  // below it hold again, and known_ then reaches past them.
  bool take(int index, bool inRemark);

  // ends_[i]: the state at the end of the line at index i (1 is the top-of-file line).
  std::vector<uint8_t> ends_{0, 0};
  int known_ = 2;  // the states of the lines above this index are right
  // After changes: the old states of the lines from compareFrom_ on, at
  // their index less shift_, are right as long as the line above them ends
  // as it did; those of old indices from oldEnd_ on were never known.
  bool changed_ = false;
  int compareFrom_ = 0;
  int shift_ = 0;
  int oldEnd_ = 0;
  size_t scanned_ = 0;
};

}  // namespace tarn
