#include "command/command_line_completion.h"

#include <algorithm>
#include <array>

#include "core/text_case.h"
#include "platform/directories.h"

namespace tarn::command {

namespace {

// The commands that take a file name.
constexpr std::array<std::string_view, 21> kFileCommands = {
    "e",   "edit",   "erase", "file", "save",      "m", "macro", "view",  "v",      "load",   "run",
    "import", "i", "zip",   "unzip", "workspace", "w", "write", "append", "html", "rtf"};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The names of the table's rows of one kind that begin with a prefix.
std::vector<std::string> namesStartingWith(const FunctionTable& functions, std::string_view prefix, bool commandsOnly) {
  std::vector<std::string> names;
  for (const FunctionRow& row : functions.rows()) {
    if (commandsOnly && row.list == HelpList::Function) continue;
    for (std::string_view name : row.names)
      if (!name.empty() && name != prefix && startsWithIgnoringCase(name, prefix)) names.emplace_back(name);
  }
  return names;
}

std::vector<std::string> fileNamesStartingWith(std::string_view word) {
  const size_t slash = word.rfind('/');
  const std::string directory(slash == std::string_view::npos ? std::string_view() : word.substr(0, slash + 1));
  const std::string_view prefix = word.substr(directory.size());
  std::vector<std::string> names;
  for (const DirectoryEntry& entry : directoryEntries(directory.empty() ? "." : directory)) {
    if (!entry.name.starts_with(prefix) || (entry.name.starts_with('.') && !prefix.starts_with('.'))) continue;
    names.push_back(directory + entry.name + (entry.isDirectory ? "/" : ""));
  }
  std::erase(names, std::string(word));
  return names;
}

}  // namespace

CommandLineCompletion completeCommandLine(const FunctionTable& functions, std::string_view text, size_t cursor) {
  const std::string_view before = text.substr(0, std::min(cursor, text.size()));
  CommandLineCompletion completion;
  completion.end = before.size();
  const size_t first = before.find_first_not_of(" \t");
  if (first != std::string_view::npos && before[first] == '[') {
    // Function names may hold blanks: the part is all of the open bracket's text.
    const size_t open = before.rfind('[');
    if (before.find(']', open) != std::string_view::npos) return completion;
    completion.start = open + 1;
    completion.candidates = namesStartingWith(functions, before.substr(completion.start), false);
  } else {
    completion.start = completion.end;
    while (completion.start > 0 && !isBlank(before[completion.start - 1])) --completion.start;
    const std::string_view word = before.substr(completion.start);
    const bool inCommandWord = first == std::string_view::npos || completion.start <= first;
    const std::string command =
        inCommandWord ? std::string() : lowerCase(before.substr(first, before.find_first_of(" \t", first) - first));
    if (!inCommandWord && std::find(kFileCommands.begin(), kFileCommands.end(), command) != kFileCommands.end())
      completion.candidates = fileNamesStartingWith(word);
    else
      completion.candidates = namesStartingWith(functions, word, true);
  }
  sortNamesIgnoringCase(completion.candidates);
  return completion;
}

}  // namespace tarn::command
