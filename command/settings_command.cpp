#include "command/settings_command.h"

#include <algorithm>

#include "command/ascii.h"
#include "command/decimal.h"
#include "command/line_context.h"
#include "command/settings_table.h"
#include "command/words.h"
#include "core/settings.h"

namespace tarn::command {
namespace {

// The most words a set line is cut into, the command word included.
constexpr std::size_t kMostWords = 20;

// Tried in this order, so that a longer name is never taken for a shorter one.
constexpr std::string_view kNumberedNames[] = {"syntaxcoloringext", "syntaxcoloringset", "syntaxcoloringpro",
                                               "syntaxcoloring"};

std::string optionName(const OptionRef& option) {
  const OptionEntry& entry = optionTable()[option.index];
  std::string name(entry.name);
  if (entry.numbered) name += std::to_string(option.set);
  return name;
}

// The text after the option word: its blank goes, the rest stays as typed
// (blanks at its end aside).
std::string_view restAfter(std::string_view line, std::string_view optionWord) {
  std::string_view rest = line.substr(static_cast<std::size_t>(optionWord.data() + optionWord.size() - line.data()));
  if (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
  while (!rest.empty() && (isBlank(rest.back()) || rest.back() == '\r' || rest.back() == '\n')) rest.remove_suffix(1);
  return rest;
}

}  // namespace

std::optional<OptionRef> SettingsCommand::resolve(std::string_view name) {
  const std::string lowered = asciiLower(name);
  if (auto index = findOption(lowered)) return OptionRef{*index, 0};
  for (std::string_view prefix : kNumberedNames) {
    if (!lowered.starts_with(prefix)) continue;
    const std::string_view number = std::string_view(lowered).substr(prefix.size());
    if (!isDigits(number)) continue;
    const int set = readDecimal(number);
    if (set >= kSyntaxSets) return std::nullopt;
    return OptionRef{*findOption(prefix), set};
  }
  return std::nullopt;
}

std::optional<std::string> SettingsCommand::set(std::string_view line, std::string_view label) {
  const LineContext where{label, line};
  const std::vector<std::string_view> words = splitWords(line, kMostWords);
  if (words.size() < 2) return unknownCommand(words.empty() ? std::string_view() : words[0], where);
  auto option = resolve(words[1]);
  if (!option) return unknownCommand(words[1], where);

  OptionInput input{editor_, option->set, std::span(words).subspan(2), restAfter(line, words[1])};
  auto refusal = optionTable()[option->index].apply(input);
  if (refusal) return "Invalid value \"" + *refusal + "\"" + inLine(where);
  return std::nullopt;
}

std::optional<std::string> SettingsCommand::settingLine(std::string_view name) const {
  auto option = resolve(name);
  if (!option || !optionTable()[option->index].write) return std::nullopt;
  return settingLine(*option);
}

std::string SettingsCommand::settingLine(const OptionRef& option) const {
  std::string line = "set " + optionName(option);
  const std::string values = optionTable()[option.index].write(editor_, option.set);
  if (!values.empty()) line += " " + values;
  return line;
}

std::vector<std::string> SettingsCommand::allSettingLines() const {
  // `charset` sets the code page as well, so it goes before `codepage`.
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < optionTable().size(); ++i) order.push_back(i);
  auto charset = std::find(order.begin(), order.end(), *findOption("charset"));
  order.erase(charset);
  order.insert(std::find(order.begin(), order.end(), *findOption("codepage")), *findOption("charset"));

  std::vector<std::string> lines;
  for (std::size_t index : order) {
    const OptionEntry& entry = optionTable()[index];
    if (!entry.write) continue;
    const int sets = entry.numbered ? kSyntaxSets : 1;
    for (int set = 0; set < sets; ++set) lines.push_back(settingLine(OptionRef{index, set}));
  }
  return lines;
}

std::vector<std::string_view> SettingsCommand::helpLines() {
  std::vector<std::string_view> lines;
  for (const OptionEntry& entry : optionTable()) {
    if (!entry.help.empty()) lines.push_back(entry.help);
  }
  return lines;
}

}  // namespace tarn::command
