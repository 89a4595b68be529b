#include "command/search_steps.h"

#include <algorithm>

#include "core/editor.h"
#include "core/function_codes.h"
#include "core/view_placement.h"

namespace tarn::command {

std::vector<int> windowsToSearch(const Editor& editor, bool allWindows) {
  const SlotTable& slots = editor.slots;
  int current = slots.current();
  std::vector<int> order{current};
  if (!allWindows) return order;
  std::vector<int> used = slots.used();
  auto after = std::find(used.begin(), used.end(), current);
  if (after == used.end()) return order;
  for (auto it = after + 1; it != used.end(); ++it) order.push_back(*it);
  for (auto it = used.begin(); it != after; ++it) order.push_back(*it);
  return order;
}

SavedCursor saveCursor(const Editor& editor) {
  int slot = editor.slots.current();
  const Document* doc = editor.slots.data(slot).document;
  return {slot, doc->currentLineNumber, doc->cursorColumn};
}

void restoreCursor(Editor& editor, const SavedCursor& saved) {
  if (!editor.slots.inUse(saved.slot)) return;
  editor.slots.setCurrent(saved.slot);
  Document& doc = *editor.slots.data(saved.slot).document;
  LineIndex number = std::min(saved.number, doc.lastIndex());
  if (Line* line = doc.lineAt(number)) {
    doc.current = line;
    doc.currentLineNumber = number;
    doc.cursorColumn = saved.column;
  }
  editor.engine.send(&doc, msg::kRepaintWindow);
}

void moveToFileEnd(Document& doc, bool backward) {
  doc.current = backward ? doc.last : doc.first;
  doc.currentLineNumber = backward ? doc.lastIndex() : kFirstLine;
  doc.cursorColumn = 0;
}

int placementRow(const Editor& editor, const Document& doc, const SearchSwitches& switches) {
  int rows = std::max(1, doc.windowRows);
  if (switches.middle) return rows / 2;
  if (switches.bottomRow) return rows - 1;
  if (!switches.topRow) return -1;
  // Staying on the command line, the first row lies one lower unless the
  // command line is shown above the window.
  const ScreenLayout& layout = editor.screen.currentLayout();
  const ViewArea& area = layout.views[editor.screen.currentViewIndex()];
  bool commandLineAbove = area.commandRow >= 0 && area.commandRow < area.top;
  return switches.stayOnCommandLine && !commandLineAbove && rows > 1 ? 1 : 0;
}

void placeFoundLine(Editor& editor, Document& doc, const SearchSwitches& switches) {
  int row = placementRow(editor, doc, switches);
  if (row >= 0) setWindowTop(doc, doc.currentLineNumber - row);
  editor.engine.send(&doc, msg::kRepaintWindow);
}

Outcome afterFinding(const SearchSwitches& switches) {
  return Outcome::to(switches.stayOnCommandLine ? Next::CommandLine : Next::File);
}

Outcome notFound(const SearchSwitches& switches) {
  Outcome outcome = Outcome::failure();
  outcome.keepsQueue = switches.ignoreFailure;
  return outcome;
}

}  // namespace tarn::command
