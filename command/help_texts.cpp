#include "command/help_texts.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace tarn::command {
namespace {

std::string_view lastName(const FunctionRow& row) {
  auto named = std::find_if(row.names.rbegin(), row.names.rend(), [](std::string_view n) { return !n.empty(); });
  return *named;
}

// Index of help number n in a list of the given size, or nothing.
std::optional<std::size_t> slotOf(int n, std::size_t count) {
  if (n < 1 || static_cast<std::size_t>(n) > count) return std::nullopt;
  return static_cast<std::size_t>(n - 1);
}

}  // namespace

HelpTexts::HelpTexts(const FunctionTable& table, std::span<const std::string_view> settingLines) {
  for (const FunctionRow& row : table.rows()) {
    if (row.list == HelpList::Command) {
      commands_.emplace_back(row.help);
    } else if (row.list == HelpList::Function) {
      functions_.push_back({row.names.front(), lastName(row), std::string(row.help)});
    }
  }
  firstSettingLine_ = commands_.size();
  commands_.insert(commands_.end(), settingLines.begin(), settingLines.end());
}

bool HelpTexts::setCommandHelp(int n, std::string_view text) {
  auto slot = slotOf(n, commands_.size());
  if (!slot) return false;
  commands_[*slot] = text;
  return true;
}

bool HelpTexts::setFunctionHelp(int n, std::string_view text) {
  auto slot = slotOf(n, functions_.size());
  if (!slot) return false;
  functions_[*slot].text = text;
  return true;
}

std::span<const std::string> HelpTexts::settingLines() const {
  return std::span<const std::string>(commands_).subspan(firstSettingLine_);
}

std::vector<std::string> HelpTexts::functionLines() const {
  std::vector<std::string> lines;
  lines.reserve(functions_.size());
  for (const FunctionHelp& help : functions_) {
    std::string line(help.fullName);
    line.append(": [").append(help.abbreviation).append("] ").append(help.text);
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace tarn::command
