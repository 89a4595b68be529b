#include "command/history.h"

#include <algorithm>

#include "command/command_words.h"
#include "command/function_table.h"
#include "core/function_codes.h"

namespace tarn::command {

// A command that is not worth recalling on its own: one of these names
// without arguments, or a bare `/`.
bool History::isPlainCommand(std::string_view text) const {
  static constexpr int kPlain[] = {fn::kEdit, fn::kView,    fn::kQuit, fn::kFile, fn::kSave, fn::kAbout,
                                   fn::kMenu, fn::kHistory, fn::kMru,  fn::kHelp, fn::kPrint};
  if (text == "/") return true;
  auto code = functions_.codeOf(text);
  return code && std::find(std::begin(kPlain), std::end(kPlain), *code) != std::end(kPlain);
}

void History::record(std::string_view text) {
  if (!isPlainCommand(text)) {
    entries_.emplace_back(text);
  }
  position_ = entries_.size();
  lastCommand_ = text;
  // Only real locate and change commands are repeated as such: "line 5" or
  // "cd x" begin with the same letters but are neither.
  const int code = functions_.codeOf(splitTypedCommand(text, functions_).word).value_or(0);
  if (code == fn::kLocate || (!text.empty() && text.front() == '/')) {
    lastLocate_ = text;
  } else if (code == fn::kChange) {
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
