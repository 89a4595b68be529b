#include "command/scratch_definition.h"

#include "core/function_codes.h"

namespace tarn::command {

namespace {
constexpr std::string_view kScratchKey = "up";
}  // namespace

ScratchCompilation compileAsScratch(DefinitionCompiler& compiler, DefinitionStore& store, const KeyNameTable& keys,
                                    std::string_view line, std::string_view label) {
  const KeyName* key = keys.find(kScratchKey);
  int keyCode = store.keyCode(key->keyClass, key->slot);
  std::span<const int> saved = store.codes(key->keyClass, key->slot);
  std::vector<int> own(saved.begin(), saved.end());

  ScratchCompilation result;
  result.message = compiler.defineKey(kScratchKey, line, label);
  if (!result.message) {
    for (int code : store.codes(key->keyClass, key->slot))
      if (code != fn::kRepeatCommand) result.codes.push_back(code);
  }

  if (keyCode == 0) {
    store.empty(key->keyClass, key->slot);
  } else {
    store.start(key->keyClass, key->slot, keyCode);
    for (int code : own) store.append(key->keyClass, key->slot, code);
  }
  return result;
}

}  // namespace tarn::command
