// The function queue: one first-in first-out list of codes for the whole
// editor. Key definitions, `key`, macro replays and synonyms append to it;
// the key loop empties it.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "core/function_codes.h"

namespace tarn::command {

class FunctionQueue {
 public:
  static constexpr int kLongestList = 1023;
  // Synonyms that run each other, or a huge count, would fill memory: the
  // queue takes no more than this.
  static constexpr size_t kLongestQueue = 1 << 20;

  // Appends a code list up to its first 0 (at most 1023 codes); with
  // stopAtRepeat, also up to the first `repeat command` code. False, with
  // nothing appended, when the queue would grow beyond kLongestQueue.
  bool append(const int* codes, bool stopAtRepeat = false) {
    int n = 0;
    while (n < kLongestList && codes[n] != fn::kListEnd && !(stopAtRepeat && codes[n] == fn::kRepeatCommand)) ++n;
    if (codes_.size() + static_cast<size_t>(n) > kLongestQueue) return false;
    codes_.insert(codes_.end(), codes, codes + n);
    return true;
  }
  void push(int code) { codes_.push_back(code); }
  // Puts codes before everything queued, to run next; false, with nothing
  // added, when the queue would grow beyond kLongestQueue.
  bool prepend(const std::vector<int>& codes) {
    if (codes_.size() + codes.size() > kLongestQueue) return false;
    codes_.insert(codes_.begin(), codes.begin(), codes.end());
    return true;
  }

  bool empty() const { return codes_.empty(); }
  void clear() { codes_.clear(); }
  int take() {
    int code = codes_.front();
    codes_.pop_front();
    return code;
  }
  int peek() const { return codes_.front(); }
  size_t size() const { return codes_.size(); }
  int at(size_t i) const { return codes_[i]; }

  // The argument characters up to the -1 that ends them.
  std::string takeArgument() {
    std::string text;
    while (!codes_.empty()) {
      int c = take();
      if (c == fn::kArgumentEnd) break;
      if (c > 0 && c < 256) text += static_cast<char>(c);
    }
    return text;
  }

 private:
  std::deque<int> codes_;
};

}  // namespace tarn::command
