#include "edit/remark_states.h"

#include <algorithm>

#include "core/line.h"
#include "edit/tokenizer.h"

namespace tarn {

namespace {

// The top-of-file line holds no text: the first text line starts outside a remark.
constexpr int kFirstTextIndex = 2;

const Line* lineAbove(const Line& line, int lines) {
  const Line* l = &line;
  for (; lines > 0; --lines) l = l->prev();
  return l;
}

}  // namespace

void RemarkStates::forget() {
  ends_.assign(kFirstTextIndex, 0);
  known_ = kFirstTextIndex;
  changed_ = false;
}

// A line changed at `at`: lines above it keep their states. The old states
// below it apply again, at their index less shift_, from the first line
// whose end state they were scanned from; each change moves that line and
// the shift as it moves the lines below it.
void RemarkStates::changed(LineIndex index, int lines) {
  const int at = index.value();
  if (at < kFirstTextIndex) {
    forget();
    return;
  }
  if (!changed_) {
    if (at >= known_) return;
    changed_ = true;
    compareFrom_ = 0;
    shift_ = 0;
    oldEnd_ = known_;
  }
  known_ = std::min(known_, at);
  if (at >= oldEnd_ + shift_) return;  // below every old state
  if (lines == 0) {
    compareFrom_ = std::max(compareFrom_, at);
  } else if (lines > 0) {
    compareFrom_ = at <= compareFrom_ ? compareFrom_ + 1 : at;
    ++shift_;
  } else {
    compareFrom_ = at <= compareFrom_ ? compareFrom_ - 1 : at - 1;
    --shift_;
  }
}

void RemarkStates::linesMoved(Document&, const LinesMoved& moved) {
  known_ = std::max(kFirstTextIndex, std::min({known_, moved.from.value(), moved.to.value()}));
  changed_ = false;
}

// After alignment the old state of the line at index i is ends_[i].
void RemarkStates::alignOldStates() {
  if (!changed_) return;
  compareFrom_ = std::max(compareFrom_, known_);  // the lines above are known
  const int from = compareFrom_ - shift_;         // the old index of the line at compareFrom_
  if (from >= oldEnd_ || from + 1 < known_) {
    changed_ = false;
    return;
  }
  if (shift_ > 0) {
    // The line at compareFrom_ ends as the old line at `from` did when its
    // follower still followed that one.
    ends_.insert(ends_.begin() + from + 1, static_cast<size_t>(shift_), ends_[static_cast<size_t>(from)]);
  } else if (shift_ < 0) {
    ends_.erase(ends_.begin() + compareFrom_, ends_.begin() + from);
  }
  oldEnd_ += shift_;
  shift_ = 0;
}

bool RemarkStates::take(int index, bool inRemark) {
  if (static_cast<int>(ends_.size()) <= index) ends_.resize(static_cast<size_t>(index) + 1);
  const bool holdsAgain = changed_ && index >= compareFrom_ && index < oldEnd_ && ends_[index] == inRemark;
  ends_[index] = inRemark;
  ++scanned_;
  known_ = holdsAgain ? oldEnd_ : index + 1;
  // The old states are compared only below the new ones: the old state
  // of a line holds for the lines below it, a new one only for those
  // scanned since.
  if (changed_) compareFrom_ = std::max(compareFrom_, known_);
  if (changed_ && known_ >= oldEnd_) changed_ = false;
  return holdsAgain;
}

bool RemarkStates::stateBefore(const KeywordSet& set, const Line& line, LineIndex index) {
  const int n = index.value();
  if (n <= known_) return ends_[static_cast<size_t>(n - 1)];
  alignOldStates();
  const Line* l = lineAbove(line, n - known_);
  while (known_ < n) {
    const int i = known_;
    if (take(i, remarkStateAfter(set, l->view(), ends_[static_cast<size_t>(i - 1)])))
      l = lineAbove(line, n - known_);
    else
      l = l->next();
  }
  return ends_[static_cast<size_t>(n - 1)];
}

bool RemarkStates::keepEnd(LineIndex index, bool inRemark) {
  const int n = index.value();
  if (n != known_) return false;  // known already, or not scanned from what is known
  alignOldStates();
  const bool differs = n >= static_cast<int>(ends_.size()) || (ends_[static_cast<size_t>(n)] != 0) != inRemark;
  take(n, inRemark);
  return differs;
}

}  // namespace tarn
