// edit, view, file, save, quit, name, rename, erase, cd and import.
#include <algorithm>

#include "command/ascii.h"
#include "command/command_language.h"
#include "command/command_registry.h"
#include "core/editor.h"
#include "core/slot_ops.h"
#include "platform/directories.h"

namespace tarn::command {

namespace {

// Another file of the ring (or, for views, the next read-only one).
Outcome showNeighbour(CommandLanguage& language, int step, bool viewMode) {
  Editor& editor = language.editor();
  int slot = editor.slots.current();
  if (!editor.slots.inUse(slot)) return Outcome::done();
  int candidate = slot;
  for (int i = 0; i < editor.slots.ringSize(slot); ++i) {
    candidate = editor.slots.ringNeighbour(candidate, step);
    if (!viewMode || (editor.slots.data(candidate).flags & winflag::kReadOnly)) break;
  }
  editor.slots.setCurrent(candidate);
  return Outcome::done();
}

Outcome editCommand(CommandLanguage& language, const Invocation& inv, bool viewMode) {
  Editor& editor = language.editor();
  if (inv.args.empty()) return showNeighbour(language, 1, viewMode);
  if (inv.args[0] == "-") return showNeighbour(language, -1, viewMode);
  EditRequest request;
  request.viewMode = viewMode;
  request.readOnly = viewMode;
  if (inv.args.size() > 1) {
    std::string letters = asciiLower(inv.args[1]);
    if (letters.find('r') != std::string::npos) request.readOnly = true;
  }
  return editor.files.edit(inv.args[0], request) ? Outcome::done() : Outcome::failure();
}

// Closes the current slot; the editor ends when no file is left.
Outcome closeCurrent(Editor& editor) {
  closeSlot(editor, editor.slots.current(), true);
  return editor.slots.hasCurrent() ? Outcome::done() : Outcome::to(Next::EndEditor);
}

bool confirmedQuit(Editor& editor, bool yes) {
  Document* doc = editor.currentDocument();
  if (yes || !doc || !doc->isModified()) return true;
  if (editor.slots.usedCount() > 1) {
    // A second view of the same document loses nothing when it closes.
    int shown = 0;
    for (int s : editor.slots.used())
      if (editor.slots.data(s).document == doc) ++shown;
    if (shown > 1) return true;
  }
  return editor.input.askYesNo("Do you really want to quit? Type y or n");
}

Outcome quitCommand(CommandLanguage& language, std::vector<std::string> args, bool all) {
  Editor& editor = language.editor();
  bool yes = false;
  for (const auto& a : args) {
    std::string word = asciiLower(a);
    if (word == "all" || word == "*") all = true;
    if (word == "y") yes = true;
  }
  do {
    if (!editor.slots.hasCurrent()) return Outcome::to(Next::EndEditor);
    editor.screen.redraw(true);
    if (!confirmedQuit(editor, yes)) return Outcome::done();
    Outcome outcome = closeCurrent(editor);
    if (outcome.next == Next::EndEditor) return outcome;
  } while (all);
  return Outcome::done();
}

Outcome nameCommand(CommandLanguage& language, const Invocation& inv) {
  Editor& editor = language.editor();
  Document* doc = editor.currentDocument();
  if (!doc || inv.args.empty()) return Outcome::failure();
  std::vector<std::string> names;
  if (editor.files.expand(inv.args[0], names) == 0) return Outcome::failure();
  editor.engine.send(doc, fn::kRenameDocument, 0, reinterpret_cast<intptr_t>(names.front().c_str()));
  return Outcome::done();
}

Outcome renameCommand(CommandLanguage& language, const Invocation& inv) {
  Editor& editor = language.editor();
  if (inv.args.size() < 2 || !renamePath(inv.args[0], inv.args[1])) {
    editor.screen.message("Unable to rename \"" + (inv.args.empty() ? std::string() : inv.args[0]) + "\"");
    return Outcome::failure();
  }
  return Outcome::done();
}

Outcome eraseCommand(CommandLanguage& language, const Invocation& inv) {
  Editor& editor = language.editor();
  if (inv.args.empty() || !removeFile(inv.args[0])) {
    editor.screen.message("Unable to erase \"" + (inv.args.empty() ? std::string() : inv.args[0]) + "\"");
    return Outcome::failure();
  }
  return Outcome::done();
}

Outcome cdCommand(CommandLanguage& language, const Invocation& inv) {
  Editor& editor = language.editor();
  if (!inv.args.empty() && !changeDirectory(inv.args[0])) {
    editor.screen.message("Invalid dir!");
    return Outcome::failure();
  }
  editor.screen.message(currentDirectory());
  return Outcome::done();
}

// Inserts the lines of a file after the current line.
Outcome importCommand(CommandLanguage& language, const Invocation& inv) {
  Editor& editor = language.editor();
  Document* doc = language.target();
  std::string name = inv.args.empty() ? std::string() : inv.args[0];
  if (!doc || doc->isReadOnly() || doc->isCommandLine()) return Outcome::failure();
  Document source(0, 0, doc->options);
  if (name.empty() || !pathExists(name) || isDirectory(name) || !editor.files.read(source, name)) {
    editor.screen.message("File \"" + name + "\" not found");
    return Outcome::failure();
  }
  std::vector<std::string> lines;
  for (Line* line = source.firstText(); line && line != source.last; line = line->next())
    lines.emplace_back(line->view());
  if (!editor.engine.send(doc, fn::kInsertLines, 0, reinterpret_cast<intptr_t>(&lines))) return Outcome::failure();
  editor.engine.send(doc, msg::kRepaintWindow);
  return Outcome::done();
}

}  // namespace

void registerFileCommands(CommandLanguage& language) {
  auto& l = language;
  l.setHandler(fn::kEdit, [&l](const Invocation& inv) { return editCommand(l, inv, false); });
  l.setHandler(fn::kView, [&l](const Invocation& inv) { return editCommand(l, inv, true); });
  l.setHandler(fn::kEditPrevious, [&l](const Invocation&) { return showNeighbour(l, -1, false); });
  l.setHandler(fn::kFile, [&l](const Invocation& inv) {
    Editor& editor = l.editor();
    int ok = editor.files.saveCommand(inv.args, true);
    if (!editor.slots.hasCurrent()) return Outcome::to(Next::EndEditor);
    return ok ? Outcome::done() : Outcome::failure();
  });
  l.setHandler(fn::kSave, [&l](const Invocation& inv) {
    return l.editor().files.saveCommand(inv.args, false) ? Outcome::done() : Outcome::failure();
  });
  l.setHandler(fn::kQuit, [&l](const Invocation& inv) { return quitCommand(l, inv.args, false); });
  l.setHandler(fn::kQuitAll, [&l](const Invocation& inv) { return quitCommand(l, inv.args, true); });
  l.setHandler(fn::kName, [&l](const Invocation& inv) { return nameCommand(l, inv); });
  l.setHandler(fn::kRename, [&l](const Invocation& inv) { return renameCommand(l, inv); });
  l.setHandler(fn::kErase, [&l](const Invocation& inv) { return eraseCommand(l, inv); });
  l.setHandler(fn::kChdir, [&l](const Invocation& inv) { return cdCommand(l, inv); });
  l.setHandler(fn::kImport, [&l](const Invocation& inv) { return importCommand(l, inv); });
}

}  // namespace tarn::command
