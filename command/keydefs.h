// The `.keydefs` pseudo-file: the current definitions and settings as
// profile lines, so that saving it gives a profile that restores them.
// Three blocks separated by an empty line: "syn <name> = <definition>" for
// every synonym in entry order, "def <key> = <definition>" for every key
// name (an undefined key with an empty definition, which undefines it when
// read back), and the set line of every option.
#pragma once
#include <string>
#include <vector>

#include "command/definition_store.h"
#include "command/definition_writer.h"
#include "command/key_names.h"

namespace tarn::command {

std::vector<std::string> keydefsLines(const DefinitionStore& store, const KeyNameTable& keys,
                                      const DefinitionWriter& writer, bool abbreviated,
                                      const std::vector<std::string>& settingLines);

}  // namespace tarn::command
