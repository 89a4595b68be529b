// What a document tells the parts that follow its text (the undo log, the
// colouring, automation events) about each change, right after it is made.
// Text that a change removes is still readable during the call.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/line_number.h"
#include "core/tab_expansion.h"

namespace tarn {

struct Document;
struct Line;

// Characters of one line: where they are and, for a deletion or a
// replacement, what they were.
struct TextChange {
  Line& line;
  LineIndex index;
  uint32_t column;  // byte position in the line
  std::string_view text;
  // Part of a block mark expanding the line's tabs or giving them back:
  // the text the user has stays as it was (see tabExpansionChanged).
  bool besideText = false;
};

// Lines put back in another order: from is the smallest index one of them
// had, to the index of the first of them now; count how many moved.
// previous[k] is the index the line now at to + k had (readable during
// the call only).
struct LinesMoved {
  LineIndex from;
  LineIndex to;
  int count;
  std::span<const LineIndex> previous;
};

class ChangeObserver {
 public:
  virtual ~ChangeObserver() = default;
  // change.text is what the line holds now at change.column.
  virtual void charactersInserted(Document&, const TextChange&) {}
  // change.text is what was removed from change.column.
  virtual void charactersDeleted(Document&, const TextChange&) {}
  // change.text is what was typed over; the line holds the new bytes.
  virtual void charactersReplaced(Document&, const TextChange&) {}
  virtual void lineInserted(Document&, const Line&, LineIndex) {}
  // The line is unlinked, not yet freed; the index is the one it had.
  virtual void lineDeleted(Document&, const Line&, LineIndex) {}
  virtual void linesMoved(Document&, const LinesMoved&) {}
  // A block mark expanded a line's tabs, or gave them back: what the line
  // stands for changed (previous: before); the changes of its text follow,
  // marked besideText.
  virtual void tabExpansionChanged(Document&, const Line&, LineIndex, const std::optional<TabExpansion>&) {}
  // The whole text was replaced (loaded, reloaded or refilled): nothing
  // learnt about the old text holds any longer.
  virtual void textReplaced(Document&) {}
};

}  // namespace tarn
