// What a profile line does. Comments ('*' first) and empty lines do
// nothing; `set`/`s`, `define`/`def`/`d` and `syn` lines change settings
// and definitions; `edit`/`e` and `view`/`v` lines open their file. Any
// other line is a command: before a file is open only `quit` (ignored) is
// known; once one is, the line runs as a function string.
//
// In DefinitionsOnly mode (the profiles of syntax-colouring sets, and the
// profiles read again when sets change) only set, define and syn act.
#pragma once
#include <string_view>

#include "command/definition_compiler.h"
#include "command/function_table.h"
#include "command/profile_reader.h"
#include "command/settings_command.h"

namespace tarn {
struct Editor;
}

namespace tarn::command {

// What a profile line needs of the rest of the command language.
class ProfileHost {
 public:
  virtual ~ProfileHost() = default;
  // Whether a file is open (commands then run as function strings).
  virtual bool fileLoaded() = 0;
  // Runs a line through the string runner on the view that holds the cursor.
  virtual int runString(std::string_view line) = 0;
  // `edit` or `view` with the rest of its line (the file specification and
  // its letters).
  virtual void openFile(std::string_view spec, bool viewMode) = 0;
};

enum class ProfileMode { Full, DefinitionsOnly };

class ProfileLines {
 public:
  ProfileLines(Editor& editor, const FunctionTable& functions, DefinitionCompiler& compiler,
               SettingsCommand& settings, ProfileHost& host)
      : editor_(editor), functions_(functions), compiler_(compiler), settings_(settings), host_(host) {}

  // One logical line; false stops the reading.
  bool handle(const ProfileLine& line, ProfileMode mode);

 private:
  void show(const std::optional<std::string>& message);

  Editor& editor_;
  const FunctionTable& functions_;
  DefinitionCompiler& compiler_;
  SettingsCommand& settings_;
  ProfileHost& host_;
};

}  // namespace tarn::command
