// The `define` and `syn` commands: `def <key>=<definition>` and
// `syn <name>=<definition>`. A definition is a run of items separated by
// blanks: 'text' or "text" (typed as it stands; \\ is a backslash, and a
// backslash before the closing quote is that quote), [function] (compiled
// by BracketCompiler), and ["function"], whose text runs to the next double
// quote without a backslash before it, so that it may hold brackets and
// blanks freely (\" is a double quote there).
//
// The first item clears the slot; an empty definition empties it. An error
// ends the definition where it stands, keeping the items compiled before it.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "command/bracket_compiler.h"
#include "command/definition_store.h"
#include "command/function_table.h"
#include "command/key_names.h"
#include "command/line_context.h"

namespace tarn::command {

class DefinitionCompiler {
 public:
  DefinitionCompiler(const FunctionTable& functions, const KeyNameTable& keys, DefinitionStore& store)
      : keys_(keys), store_(store), brackets_(functions, store.synonyms()) {}

  // Both take the whole line, command word first, and the profile line
  // label for messages (empty outside a profile file); they return the
  // message to show, if any.
  std::optional<std::string> define(std::string_view line, std::string_view label = {});
  std::optional<std::string> synonym(std::string_view line, std::string_view label = {});
  // The definition of the key named, given without a `def` line around it
  // (a line of a macro file, a directive): the messages quote it as given.
  std::optional<std::string> defineKey(std::string_view keyName, std::string_view definition,
                                       std::string_view label = {});

 private:
  std::optional<std::string> compileKey(std::string_view keyName, std::string_view definition,
                                        const LineContext& where);
  std::optional<std::string> compileInto(int keyClass, int slot, int keyCode, std::string_view definition,
                                         int definingSynonym, const LineContext& where);

  const KeyNameTable& keys_;
  DefinitionStore& store_;
  BracketCompiler brackets_;
};

}  // namespace tarn::command
