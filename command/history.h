// Typed commands remembered: the history list and the last command, locate
// and change, for `repeat command`, `repeat locate` and `repeat change`.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarn::command {

class FunctionTable;

class History {
 public:
  explicit History(const FunctionTable& functions) : functions_(functions) {}

  // A command executed from the command line.
  void record(std::string_view text);

  const std::vector<std::string>& entries() const { return entries_; }
  const std::string& lastCommand() const { return lastCommand_; }
  const std::string& lastLocate() const { return lastLocate_; }
  const std::string& lastChange() const { return lastChange_; }

  // Steps through the list (-1 older, +1 newer); false when there is nothing there.
  bool step(int direction, std::string& text);

 private:
  bool isPlainCommand(std::string_view text) const;

  const FunctionTable& functions_;
  std::vector<std::string> entries_;
  size_t position_ = 0;  // entries_.size() when past the newest
  std::string lastCommand_;
  std::string lastLocate_;
  std::string lastChange_;
};

}  // namespace tarn::command
