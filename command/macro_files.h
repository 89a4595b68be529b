// Keystroke macros as text. `write` puts a recording in a file as a run of
// items: `[name]` for a function, with its count, column or quoted
// character inside the brackets when it was given one, and `'c'` for a
// typed character (`[n]` for a quote or a control character); a line ends
// after the item that takes it beyond 75 characters. `load` reads such text
// back: in each line a quoted run gives one typed character a character,
// a bracket one call, and anything else between items is skipped.
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "command/function_table.h"
#include "core/keystroke_recorder.h"

namespace tarn::command {

// Calls without a written form (edit-control key messages, the store's own
// functions) are left out.
std::string macroText(std::span<const RecordedCall> calls, const FunctionTable& functions, bool abbreviated);

struct LoadedMacro {
  std::vector<RecordedCall> calls;
  // "Unknown command ... in line ..." for each line that named no function;
  // the calls of such a line up to the bad name are kept.
  std::vector<std::string> messages;
};

LoadedMacro readMacroText(std::string_view text, const FunctionTable& functions);

}  // namespace tarn::command
