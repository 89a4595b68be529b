// The typed change command: change forward or backward in one window or
// all of them, the total count, and the messages.
#include <string>

#include "command/command_language.h"
#include "command/command_registry.h"
#include "command/search_expression.h"
#include "command/search_steps.h"
#include "core/editor.h"
#include "core/search_request.h"

namespace tarn::command {

namespace {

Outcome change(Editor& editor, const Invocation& invocation) {
  SearchExpression expression = parseExpression(invocation.rest, true);
  // Without a search text or a replacement there is nothing to do.
  if (expression.text.empty() || !expression.replacement) return Outcome::done();
  SearchSwitches switches = resolveSwitches(editor.settings.changeSwitch, expression.letters, true);
  const int code = switches.backward ? fn::kChangeBackward : fn::kChangeForward;
  int changes = 0;
  bool escaped = false;
  bool refused = false;
  const int startSlot = editor.slots.current();
  int changedIn = startSlot;
  for (int slot : windowsToSearch(editor, switches.allWindows)) {
    if (slot != editor.slots.current()) {
      editor.slots.setCurrent(slot);
      if (switches.prompt) editor.screen.redraw(true);
    }
    Document& doc = *editor.slots.data(slot).document;
    SavedCursor saved = saveCursor(editor);
    if (switches.fromTop) moveToFileEnd(doc, switches.backward);
    SearchRequest request;
    request.options = switches.engineBits();
    request.text = expression.text;
    request.replacement = *expression.replacement;
    request.promptRow = placementRow(editor, doc, switches);
    int here = editor.engine.send(&doc, code, 0, reinterpret_cast<intptr_t>(&request));
    changes += here;
    if (here > 0) changedIn = slot;
    escaped = request.escaped;
    refused = refused || request.refused;
    if (here == 0 && switches.fromTop) restoreCursor(editor, saved);
    if (escaped || (here > 0 && !switches.allOccurrences && !request.answeredAll)) break;
    // All answered at a prompt: the other windows change without asking.
    if (request.answeredAll) switches.prompt = false, switches.allOccurrences = true;
  }
  // The window of the last change stays current, else the one the change began in.
  if (editor.slots.inUse(changedIn)) editor.slots.setCurrent(changedIn);
  std::string count = "Number of changed strings: " + std::to_string(changes);
  if (changes == 0) {
    // Esc at the prompt ends it quietly; a read-only file has said why.
    if (!escaped && !refused) editor.screen.message(switches.count ? count : "Not found");
    return notFound(switches);
  }
  if (Document* doc = editor.currentDocument()) placeFoundLine(editor, *doc, switches);
  if (switches.count) editor.screen.message(count);
  return afterFinding(switches);
}

}  // namespace

void registerChangeCommand(CommandLanguage& language) {
  language.setHandler(fn::kChange,
                      [&language](const Invocation& invocation) { return change(language.editor(), invocation); });
}

}  // namespace tarn::command
