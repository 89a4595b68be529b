#include "command/history.h"

#include "command/ascii.h"
#include "command/command_words.h"

namespace tarn::command {

namespace {

// Commands that are not worth recalling on their own.
bool isPlainCommand(std::string_view text) {
  static constexpr std::string_view kPlain[] = {"e", "edit", "v", "view", "q", "quit", "file", "save", "/",
                                                "ver", "about", "menu", "history", "mru", "help", "h", "?",
                                                "print"};
  std::string lowered = asciiLower(text);
  for (auto word : kPlain)
    if (lowered == word) return true;
  return false;
}

}  // namespace

void History::record(std::string_view text) {
  if (!isPlainCommand(text)) {
    entries_.emplace_back(text);
  }
  position_ = entries_.size();
  lastCommand_ = text;
  // Only real locate and change commands are repeated as such: "line 5" or
  // "cd x" begin with the same letters but are neither.
  std::string word = asciiLower(splitTypedCommand(text).word);
  if (word == "l" || word == "locate" || (!text.empty() && text.front() == '/')) {
    lastLocate_ = text;
  } else if (word == "c" || word == "change") {
    lastChange_ = text;
  }
}

bool History::step(int direction, std::string& text) {
  if (entries_.empty()) return false;
  if (direction < 0) {
    if (position_ == 0) return false;
    --position_;
  } else {
    if (position_ + 1 >= entries_.size()) {
      position_ = entries_.size();
      text.clear();
      return true;
    }
    ++position_;
  }
  text = entries_[position_];
  return true;
}

}  // namespace tarn::command
