// write, load and run of macro files, and the demo modes.
#include <fstream>
#include <iterator>

#include "command/command_language.h"
#include "command/command_registry.h"
#include "command/macro_files.h"
#include "command/profile_directory_lookup.h"
#include "command/profile_reader.h"
#include "command/scratch_definition.h"
#include "command/words.h"
#include "core/editor.h"

namespace tarn::command {

namespace {

std::string fileArgument(const Invocation& inv) { return inv.args.empty() ? std::string() : inv.args[0]; }

// The text of a macro file; nothing, with the message shown, when it is not there.
std::optional<std::string> macroFile(CommandLanguage& l, const std::string& name) {
  std::ifstream in(findInProfileDirectory(l.editor(), name), std::ios::binary);
  if (!in) {
    l.editor().screen.message("Macro file \"" + name + "\" not found");
    return std::nullopt;
  }
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Queued codes run next, as a key's definition does.
Outcome runNext(CommandLanguage& l, const std::vector<int>& codes) {
  if (!l.queue().prepend(codes)) return l.tooManyFunctions();
  return l.drain();
}

Outcome writeCommand(CommandLanguage& l, const Invocation& inv) {
  Editor& editor = l.editor();
  std::string name = fileArgument(inv);
  if (name.empty() || editor.recorder.calls().empty()) return Outcome::done();
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out << macroText(editor.recorder.calls(), l.functions(), editor.settings.abbrev);
  out.close();
  if (!out) {
    editor.screen.message("Error writing file!");
    return Outcome::failure();
  }
  return Outcome::done();
}

// The loaded macro replaces the recording and plays at once.
Outcome loadCommand(CommandLanguage& l, const Invocation& inv) {
  std::string name = fileArgument(inv);
  if (name.empty()) return Outcome::done();
  std::optional<std::string> text = macroFile(l, name);
  if (!text) return Outcome::failure();
  LoadedMacro loaded = readMacroText(*text, l.functions());
  if (!loaded.messages.empty()) l.editor().screen.message(loaded.messages.front());
  l.editor().recorder.replace(std::move(loaded.calls));
  return runNext(l, {fn::kMacroPlay});
}

// Every line is compiled before anything runs: one that does not compile
// stops the reading, and nothing of the file runs. Lines beginning with `*`
// are comments, as in profiles.
Outcome runCommand(CommandLanguage& l, const Invocation& inv) {
  std::string name = fileArgument(inv);
  if (name.empty()) return Outcome::done();
  std::optional<std::string> text = macroFile(l, name);
  if (!text) return Outcome::failure();
  std::vector<int> codes;
  bool compiled = true;
  ProfileReading reading = readProfileText(*text, [&](const ProfileLine& line) {
    std::string_view item = skipBlanks(line.text);
    if (item.empty() || item.front() == '*') return true;
    ScratchCompilation scratch = compileAsScratch(l.compiler(), l.definitions(), l.keys(), line.text, line.label);
    if (scratch.message) {
      l.editor().screen.message(*scratch.message);
      compiled = false;
      return false;
    }
    codes.insert(codes.end(), scratch.codes.begin(), scratch.codes.end());
    return true;
  });
  if (!reading.message.empty()) l.editor().screen.message(reading.message);
  if (!compiled || !reading.completed) return Outcome::failure();
  return runNext(l, codes);
}

}  // namespace

void registerMacroCommands(CommandLanguage& language) {
  auto& l = language;
  l.setHandler(fn::kWrite, [&l](const Invocation& inv) { return writeCommand(l, inv); });
  l.setHandler(fn::kLoad, [&l](const Invocation& inv) { return loadCommand(l, inv); });
  l.setHandler(fn::kRun, [&l](const Invocation& inv) { return runCommand(l, inv); });
  const std::pair<int, DemoMode> kModes[] = {{fn::kDemoFast, DemoMode::Fast},
                                             {fn::kDemoSlow, DemoMode::Slow},
                                             {fn::kDemoStep, DemoMode::Step},
                                             {fn::kDemoEnd, DemoMode::Normal}};
  for (auto [code, mode] : kModes)
    l.setHandler(code, [&l, mode](const Invocation&) {
      l.demo().setMode(mode);
      return Outcome::done();
    });
}

}  // namespace tarn::command
