// `autocomplete` on the command line: the word part left of the cursor and
// what it may become. Inside a bracket, the names of the functions; after a
// command that takes a file, the names in the directory the word names;
// otherwise the names of the typed commands.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "command/function_table.h"

namespace tarn::command {

struct CommandLineCompletion {
  size_t start = 0;  // the part completed: bytes [start, end) of the text
  size_t end = 0;
  std::vector<std::string> candidates;  // sorted without regard to case, each once
};

// cursor: the byte of the text the cursor is at. File names are those of
// the directory part of the word (relative to the current directory), with
// that part before them and a '/' after the name of a directory; names
// beginning with a dot only for a word whose name part does.
CommandLineCompletion completeCommandLine(const FunctionTable& functions, std::string_view text, size_t cursor);

}  // namespace tarn::command
