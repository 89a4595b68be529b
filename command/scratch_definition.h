// Lines of macro files and the bracketed directives of templates are
// compiled as the definition of the key `up`, which serves as scratch space
// and gets its own definition back afterwards.
#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "command/definition_compiler.h"
#include "command/definition_store.h"
#include "command/key_names.h"

namespace tarn::command {

struct ScratchCompilation {
  std::vector<int> codes;  // without `repeat command` codes
  std::optional<std::string> message;  // set when the line did not compile
};

ScratchCompilation compileAsScratch(DefinitionCompiler& compiler, DefinitionStore& store, const KeyNameTable& keys,
                                    std::string_view line, std::string_view label);

}  // namespace tarn::command
