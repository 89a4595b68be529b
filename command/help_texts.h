// The help texts of the typed commands and of the functions, as the help
// lists show them. They start as the catalogue's built-in texts, and a message
// file may replace any of them by number:
//  - command n counts the catalogue rows of the command list in table order
//    (the typed commands, then append, html, rtf, lines, chars and words),
//    and goes on with the setting help lines in the order they were given;
//  - function n counts the catalogue rows of the function list in table order.
// With the 61 setting lines that makes commands 1..113 (a message file
// replaces 1..111) and functions 1..167.
#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "command/function_table.h"

namespace tarn::command {

class HelpTexts {
 public:
  HelpTexts(const FunctionTable& table, std::span<const std::string_view> settingLines);

  std::size_t commandCount() const { return commands_.size(); }
  std::size_t functionCount() const { return functions_.size(); }

  // Both return false, and change nothing, for a number outside 1..count.
  bool setCommandHelp(int n, std::string_view text);
  bool setFunctionHelp(int n, std::string_view text);

  // Whole lines, in numbering order; the setting lines are the tail.
  std::span<const std::string> commandLines() const { return commands_; }
  std::span<const std::string> settingLines() const;
  // "full name: [abbreviation] text", in numbering order.
  std::vector<std::string> functionLines() const;

 private:
  struct FunctionHelp {
    std::string_view abbreviation;
    std::string_view fullName;
    std::string text;
  };

  std::vector<std::string> commands_;
  std::size_t firstSettingLine_ = 0;
  std::vector<FunctionHelp> functions_;
};

}  // namespace tarn::command
