// The cursor place between file and command line, the command line's text,
// history and repetition, and the small functions without effect on the text.
#include <memory>

#include "command/command_language.h"
#include "command/command_registry.h"
#include "core/editor.h"

namespace tarn::command {

namespace {

Outcome historyStep(CommandLanguage& l, int direction) {
  std::string text;
  Document* commandLine = l.commandLine();
  if (commandLine && l.history().step(direction, text)) l.setCommandLineText(*commandLine, text);
  return Outcome::done();
}

Outcome copyToCommandLine(CommandLanguage& l) {
  Document* doc = l.editor().currentDocument();
  Document* commandLine = l.commandLine();
  if (!doc || !commandLine || doc->isSentinel(doc->current)) return Outcome::done();
  l.setCommandLineText(*commandLine, CommandLanguage::lineText(*doc));
  return Outcome::done();
}

// Types the command line's text at the file's cursor.
Outcome copyFromCommandLine(CommandLanguage& l) {
  Editor& editor = l.editor();
  Document* doc = editor.currentDocument();
  Document* commandLine = l.commandLine();
  if (!doc || !commandLine) return Outcome::done();
  for (char c : CommandLanguage::lineText(*commandLine))
    if (!editor.engine.send(doc, fn::kTypeChar, static_cast<unsigned char>(c))) return Outcome::failure();
  return Outcome::done();
}

// "Press a key", then that key's character is typed.
Outcome escapeKey(CommandLanguage& l) {
  Editor& editor = l.editor();
  editor.screen.message("Press a key");
  int key = editor.input.readKey();
  editor.screen.clearMessage();
  if (key > 0 && key < 256) l.send(fn::kTypeChar, key, 0x80);
  return Outcome::done();
}

Outcome repeat(CommandLanguage& l, const std::string& text) {
  if (text.empty()) return Outcome::done();
  return l.run(text, true);
}

// The last command may itself repeat the last command (`[rc]` typed, or a
// key that holds it): reached while it runs, `repeat command` does nothing,
// as `execute` does, instead of repeating for ever.
Outcome repeatCommand(CommandLanguage& l, bool& running) {
  if (running) return Outcome::done();
  running = true;
  Outcome outcome = repeat(l, l.history().lastCommand());
  running = false;
  return outcome;
}

}  // namespace

void registerCursorPlaceCommands(CommandLanguage& language) {
  auto& l = language;
  l.setHandler(fn::kCursorCommand, [&l](const Invocation&) {
    return l.onCommandLine() ? Outcome::done() : Outcome::to(Next::CommandLine);
  });
  l.setHandler(fn::kCursorData, [&l](const Invocation&) {
    return l.onCommandLine() ? Outcome::to(Next::File) : Outcome::done();
  });
  l.setHandler(fn::kCommandToggle, [&l](const Invocation&) {
    return Outcome::to(l.onCommandLine() ? Next::File : Next::CommandLine);
  });
  l.setHandler(fn::kExecute, [&l](const Invocation&) { return l.executeCommandLine(); });
  l.setHandler(fn::kPrevHistory, [&l](const Invocation&) { return historyStep(l, -1); });
  l.setHandler(fn::kNextHistory, [&l](const Invocation&) { return historyStep(l, 1); });
  l.setHandler(fn::kCopyToCommand, [&l](const Invocation&) { return copyToCommandLine(l); });
  l.setHandler(fn::kCopyFromCommand, [&l](const Invocation&) { return copyFromCommandLine(l); });
  auto repeating = std::make_shared<bool>(false);
  l.setHandler(fn::kRepeatCommand, [&l, repeating](const Invocation&) { return repeatCommand(l, *repeating); });
  l.setHandler(fn::kRepeatLocate, [&l](const Invocation&) { return repeat(l, l.history().lastLocate()); });
  l.setHandler(fn::kRepeatChange, [&l](const Invocation&) { return repeat(l, l.history().lastChange()); });
  l.setHandler(fn::kClearMessage, [&l](const Invocation&) {
    l.editor().screen.clearMessage();
    return Outcome::done();
  });
  l.setHandler(fn::kRedraw, [&l](const Invocation&) {
    l.editor().screen.redraw(true);
    return Outcome::done();
  });
  l.setHandler(fn::kBeep, [&l](const Invocation&) {
    l.editor().screen.beep();
    return Outcome::done();
  });
  l.setHandler(fn::kEscape, [&l](const Invocation&) { return escapeKey(l); });
  for (int code : {fn::kNull, fn::kUnnamed, fn::kConfirmChange})
    l.setHandler(code, [](const Invocation&) { return Outcome::done(); });
}

}  // namespace tarn::command
