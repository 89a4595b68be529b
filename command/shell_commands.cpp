// system, dos and tarn: other programs started from the editor.
#include "command/ascii.h"
#include "command/command_language.h"
#include "command/command_registry.h"
#include "core/editor.h"
#include "platform/process.h"

namespace tarn::command {

namespace {

// Runs something in the editor's own terminal, leaving the screen to it.
template <typename Run>
Outcome inTerminal(CommandLanguage& l, Run run) {
  Editor& editor = l.editor();
  editor.console.suspend();
  int status = run();
  editor.console.resume();
  editor.screen.layout();
  editor.screen.redraw(true);
  if (status < 0) {
    editor.screen.message("Unable to start the command");
    return Outcome::failure();
  }
  return Outcome::done();
}

Outcome systemCommand(CommandLanguage& l, const Invocation& inv) {
  // After a command the user reads its output before the editor comes back.
  std::string command = inv.rest;
  if (!command.empty()) command += "; printf '\\nPress Enter to return to Tarnedit'; read _";
  return inTerminal(l, [&] { return runShellCommand(command); });
}

Outcome dosCommand(CommandLanguage& l, const Invocation& inv) {
  std::string shell = "/bin/sh";
  std::vector<std::string> argv = inv.rest.empty() ? std::vector<std::string>{shell}
                                                   : std::vector<std::string>{shell, "-c", inv.rest};
  if (!startInNewTerminal(argv)) {
    l.editor().screen.message("No terminal window can be opened");
    return Outcome::failure();
  }
  return Outcome::done();
}

Outcome tarnCommand(CommandLanguage& l, const Invocation& inv) {
  std::vector<std::string> argv{ownExecutable()};
  bool wait = !inv.args.empty() && asciiLower(inv.args[0]) == "s";
  argv.insert(argv.end(), inv.args.begin() + (wait ? 1 : 0), inv.args.end());
  if (wait) return inTerminal(l, [&] { return runProgram(argv); });
  if (!startInNewTerminal(argv)) {
    l.editor().screen.message("No terminal window can be opened");
    return Outcome::failure();
  }
  return Outcome::done();
}

}  // namespace

void registerShellCommands(CommandLanguage& language) {
  auto& l = language;
  l.setHandler(fn::kSystem, [&l](const Invocation& inv) { return systemCommand(l, inv); });
  l.setHandler(fn::kDos, [&l](const Invocation& inv) { return dosCommand(l, inv); });
  l.setHandler(fn::kTarn, [&l](const Invocation& inv) { return tarnCommand(l, inv); });
}

}  // namespace tarn::command
