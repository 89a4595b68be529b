// The mark stack: push mark, pop mark and clear marks.
#include "command/command_language.h"
#include "command/command_registry.h"
#include "core/editor.h"
#include "core/marks.h"

namespace tarn::command {

namespace {

constexpr std::string_view kNothingSaved = "No marked blocks saved";

// A group: a separator, then the mark of every view whose file holds one.
// A group holding no mark stays too, so that a pop always answers the push
// it follows.
Outcome pushMark(Editor& editor) {
  Marks& marks = editor.engine.marks();
  std::vector<MarkStackEntry>& stack = marks.stack();
  stack.push_back(MarkStackEntry{});
  for (int slot : editor.slots.used()) {
    const Document* doc = editor.slots.data(slot).document;
    if (doc && holdsMark(*doc)) stack.push_back(MarkStackEntry{false, slot, doc->id, markRecordOf(*doc)});
  }
  marks.unmarkAll();
  editor.screen.redraw(true);
  return Outcome::done();
}

// The marks of the last group come back to the views that still show
// their files.
Outcome popMark(Editor& editor) {
  Marks& marks = editor.engine.marks();
  std::vector<MarkStackEntry>& stack = marks.stack();
  marks.unmarkAll();
  if (stack.empty()) {
    editor.screen.redraw(true);
    editor.screen.message(kNothingSaved);
    return Outcome::failure();
  }
  for (bool separator = false; !separator && !stack.empty();) {
    MarkStackEntry entry = stack.back();
    stack.pop_back();
    separator = entry.separator;
    if (separator || !editor.slots.inUse(entry.slot)) continue;
    Document* doc = editor.slots.data(entry.slot).document;
    if (doc && doc->id == entry.documentId)
      editor.engine.send(doc, fn::kSetMark, 0, reinterpret_cast<intptr_t>(&entry.mark));
  }
  editor.screen.redraw(true);
  return Outcome::done();
}

Outcome clearMarks(Editor& editor) {
  editor.engine.marks().unmarkAll();
  editor.engine.marks().stack().clear();
  editor.screen.redraw(true);
  return Outcome::done();
}

}  // namespace

void registerMarkStackCommands(CommandLanguage& language) {
  Editor& editor = language.editor();
  language.setHandler(fn::kPushMark, [&editor](const Invocation&) { return pushMark(editor); });
  language.setHandler(fn::kPopMark, [&editor](const Invocation&) { return popMark(editor); });
  language.setHandler(fn::kClearMarks, [&editor](const Invocation&) { return clearMarks(editor); });
}

}  // namespace tarn::command
