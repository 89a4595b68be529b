// Split screen and moving between views and windows.
#include "command/command_language.h"
#include "command/command_registry.h"
#include "core/editor.h"
#include "core/slot_ops.h"

namespace tarn::command {

namespace {

// The slot of the other ring that shows the same document.
int otherViewOf(Editor& editor, int slot) {
  Document* doc = editor.slots.data(slot).document;
  bool second = editor.slots.isSecondView(slot);
  for (int s : editor.slots.used())
    if (s != slot && editor.slots.data(s).document == doc && editor.slots.isSecondView(s) != second) return s;
  return -1;
}

Outcome splitScreen(CommandLanguage& l) {
  Editor& editor = l.editor();
  SplitMode mode = editor.screen.splitMode();
  if (mode != SplitMode::None) {
    editor.screen.setSplitMode(mode == SplitMode::TopBottom ? SplitMode::LeftRight : SplitMode::TopBottom);
    return Outcome::done();
  }
  int slot = editor.slots.current();
  if (!editor.slots.inUse(slot)) return Outcome::done();
  editor.screen.setSplitMode(SplitMode::TopBottom);
  SlotOpening opening;
  opening.secondViewOf = slot;
  if (openSlot(editor, opening) < 0) return Outcome::failure();
  return Outcome::done();
}

Outcome zoomWindow(CommandLanguage& l) {
  Editor& editor = l.editor();
  int current = editor.slots.current();
  bool currentIsSecond = editor.slots.isSecondView(current);
  int primary = currentIsSecond ? otherViewOf(editor, current) : current;
  for (int s : editor.slots.used())
    if (editor.slots.isSecondView(s)) closeSlot(editor, s, false);
  editor.screen.setSplitMode(SplitMode::None);
  if (editor.slots.inUse(primary)) editor.slots.setCurrent(primary);
  return Outcome::done();
}

Outcome nextView(CommandLanguage& l) {
  Editor& editor = l.editor();
  int other = otherViewOf(editor, editor.slots.current());
  if (other >= 0) editor.slots.setCurrent(other);
  return Outcome::done();
}

// The current file of the other half of the screen.
Outcome nextWindow(CommandLanguage& l) {
  Editor& editor = l.editor();
  int current = editor.slots.current();
  bool second = editor.slots.isSecondView(current);
  const auto& ring = editor.slots.ring(!second);
  if (ring.empty()) return Outcome::done();
  int other = otherViewOf(editor, current);
  editor.slots.setCurrent(other >= 0 ? other : ring.front());
  return Outcome::done();
}

}  // namespace

void registerViewCommands(CommandLanguage& language) {
  auto& l = language;
  l.setHandler(fn::kSplitScreen, [&l](const Invocation&) { return splitScreen(l); });
  l.setHandler(fn::kZoomWindow, [&l](const Invocation&) { return zoomWindow(l); });
  l.setHandler(fn::kNextView, [&l](const Invocation&) { return nextView(l); });
  l.setHandler(fn::kNextWindow, [&l](const Invocation&) { return nextWindow(l); });
}

}  // namespace tarn::command
