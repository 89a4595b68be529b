// define, syn, set, macro, `edit .keydefs`, `help` with a name, and the
// expansion of synonyms named in the text.
#include <algorithm>

#include "command/ascii.h"
#include "command/command_language.h"
#include "command/command_registry.h"
#include "command/keydefs.h"
#include "command/profile_directory_lookup.h"
#include "core/editor.h"
#include "core/slot_ops.h"

namespace tarn::command {

namespace {

Outcome shown(CommandLanguage& l, const std::optional<std::string>& message) {
  if (!message) return Outcome::done();
  l.editor().screen.message(*message);
  return Outcome::failure();
}

Outcome macroCommand(CommandLanguage& l, const Invocation& inv) {
  if (inv.args.empty()) return Outcome::failure();
  std::string path = findInProfileDirectory(l.editor(), inv.args[0]);
  return l.profiles().readFile(path, ProfileMode::Full) ? Outcome::done() : Outcome::failure();
}

constexpr std::string_view kKeydefsName = ".keydefs";

// Fills (or refills) the `.keydefs` pseudo-file with the definitions and settings.
Outcome showKeydefs(CommandLanguage& l) {
  Editor& editor = l.editor();
  int slot = -1;
  for (int s : editor.slots.used())
    if (editor.slots.data(s).document->name == kKeydefsName) slot = s;
  if (slot >= 0) {
    editor.slots.setCurrent(slot);
  } else {
    SlotOpening opening;
    opening.name = kKeydefsName;
    slot = openSlot(editor, opening);
    if (slot < 0) return Outcome::failure();
  }
  Document& doc = *editor.slots.data(slot).document;
  std::vector<std::string> lines = keydefsLines(l.definitions(), l.keys(), l.writer(), editor.settings.abbrev,
                                                l.settings().allSettingLines());
  editor.engine.send(&doc, fn::kReplaceText, 0, reinterpret_cast<intptr_t>(&lines));
  editor.engine.send(&doc, fn::kSetChangeCount, 0);
  editor.engine.send(&doc, msg::kRepaintWindow);
  return Outcome::done();
}

// `help <name>`: a setting, synonym or key gets its profile line on the command line.
Outcome helpCommand(CommandLanguage& l, const Invocation& inv) {
  Document* commandLine = l.commandLine();
  // The help lists are list windows, which are not there yet.
  if (inv.args.empty() || inv.args[0].starts_with("[")) return l.notAvailable(inv.code);
  if (!commandLine) return Outcome::failure();
  std::string name = asciiLower(inv.args[0]);
  std::optional<std::string> line = l.settings().settingLine(name);
  if (!line) {
    if (auto entry = l.definitions().synonyms().find(name)) {
      const int* codes = l.definition(6, fn::kFirstSynonym + *entry);
      std::vector<int> list;
      for (int i = 0; codes && codes[i] != fn::kListEnd; ++i) list.push_back(codes[i]);
      line = "syn " + name + " = " + l.writer().write(list, l.editor().settings.abbrev);
    } else if (const KeyName* key = l.keys().find(name)) {
      const int* codes = l.definition(key->keyClass, key->keyCode);
      std::vector<int> list;
      for (int i = 0; codes && codes[i] != fn::kListEnd; ++i) list.push_back(codes[i]);
      line = "def " + name + " = " + l.writer().write(list, l.editor().settings.abbrev);
    }
  }
  if (!line) {
    l.editor().screen.message("Unknown command \"" + inv.text + "\"");
    return Outcome::failure();
  }
  l.setCommandLineText(*commandLine, *line);
  return Outcome::to(Next::CommandLine);
}

}  // namespace

void registerDefinitionCommands(CommandLanguage& language) {
  auto& l = language;
  l.setHandler(fn::kDefine, [&l](const Invocation& inv) { return shown(l, l.compiler().define(inv.text)); });
  // Without an argument both open a list window, which is not there yet.
  l.setHandler(fn::kSyn, [&l](const Invocation& inv) {
    return inv.args.empty() ? l.notAvailable(inv.code) : shown(l, l.compiler().synonym(inv.text));
  });
  l.setHandler(fn::kSet, [&l](const Invocation& inv) {
    return inv.args.empty() ? l.notAvailable(inv.code) : shown(l, l.settings().set(inv.text));
  });
  l.setHandler(fn::kMacro, [&l](const Invocation& inv) { return macroCommand(l, inv); });
  l.setHandler(fn::kEditKeydefs, [&l](const Invocation&) { return showKeydefs(l); });
  l.setHandler(fn::kHelp, [&l](const Invocation& inv) { return helpCommand(l, inv); });
  l.setHandler(fn::kExpand, [&l](const Invocation&) { return l.expandAtCursor(false); });
}

}  // namespace tarn::command
