// An editor on a memory console with the command language's tables, store,
// compiler, settings and profile reading wired together, and a host that
// records what profile lines ask of it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "command/definition_compiler.h"
#include "command/definition_store.h"
#include "command/definition_writer.h"
#include "command/function_table.h"
#include "command/key_names.h"
#include "command/profile_lines.h"
#include "command/profiles.h"
#include "command/settings_command.h"
#include "core/function_codes.h"
#include "core/editor.h"
#include "platform/event_loop.h"
#include "platform/memory_console.h"

namespace tarn::command {

class RecordingHost : public ProfileHost {
 public:
  bool fileLoaded() override { return loaded; }
  int runString(std::string_view line) override {
    ran.emplace_back(line);
    return 1;
  }
  void openFile(std::string_view spec, bool viewMode) override {
    opened.push_back(std::string(viewMode ? "view " : "edit ") + std::string(spec));
  }

  bool loaded = false;
  std::vector<std::string> ran;
  std::vector<std::string> opened;
};

struct EditorFixture {
  // The codes of a key's definition (without the closing 0); empty when the
  // key has none.
  std::vector<int> definitionOf(std::string_view keyName) const {
    const KeyName* key = keys.find(keyName);
    if (!key || store.keyCode(key->keyClass, key->slot) == 0) return {};
    auto codes = store.codes(key->keyClass, key->slot);
    return {codes.begin(), codes.end()};
  }

  std::vector<int> synonymCodes(std::string_view name) const {
    auto entry = store.synonyms().find(name);
    if (!entry) return {};
    auto codes = store.codes(kSynonymClass, *entry);
    return {codes.begin(), codes.end()};
  }

  MemoryConsole console;
  EventLoop loop;
  Editor editor{console, loop};
  FunctionTable functions;
  KeyNameTable keys;
  DefinitionStore store;
  DefinitionCompiler compiler{functions, keys, store};
  DefinitionWriter writer{functions, store.synonyms()};
  SettingsCommand settings{editor};
  RecordingHost host;
  ProfileLines lines{editor, functions, compiler, settings, host};
  Profiles profiles{editor, store, lines};
};

// One code per character.
inline std::vector<int> chars(std::string_view text) {
  std::vector<int> codes;
  for (char c : text) codes.push_back(static_cast<unsigned char>(c));
  return codes;
}

// Codes and runs of characters, joined.
inline std::vector<int> codes(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace tarn::command
