// Movements the dispatcher gives effect to: `line`, counted movements, the
// `... all` movements over every window, scrolling, the window edges, the
// typing mode and the joining deletions.
#include "command/command_language.h"
#include "command/command_registry.h"
#include "command/decimal.h"
#include "core/editor.h"

namespace tarn::command {

namespace {

int number(std::string_view text, int fallback) { return isDigits(text) ? readDecimal(text) : fallback; }

Outcome result(int engineResult) { return engineResult ? Outcome::done() : Outcome::failure(); }

// `line`, `line n`, `line n c` and `line n,c`.
Outcome lineCommand(CommandLanguage& l, const Invocation& inv) {
  Editor& editor = l.editor();
  Document* doc = editor.currentDocument();
  if (!doc) return Outcome::done();
  std::string first = inv.args.empty() ? "1" : inv.args[0];
  std::string columnText = inv.args.size() > 1 ? inv.args[1] : "";
  if (size_t comma = first.find(','); comma != std::string::npos) {
    columnText = first.substr(comma + 1);
    first.resize(comma);
  }
  int line = number(first, 0);
  if (line > 0 && !editor.engine.send(doc, fn::kGotoLine, 1, line)) return Outcome::failure();
  int column = number(columnText, 0);
  if (column > 0) editor.engine.send(doc, fn::kColumn, column - 1);
  return Outcome::done();
}

// [up n] and the like: the movement n times, as one call with that repeat count.
Outcome counted(CommandLanguage& l, int code, const Invocation& inv) {
  if (!l.target()) return Outcome::failure();
  l.editor().engine.setRepeatCount(number(inv.rest, 1));
  return result(l.send(code));
}

// The same function once in every window, the current one first.
Outcome inEveryWindow(CommandLanguage& l, int code) {
  Editor& editor = l.editor();
  int current = editor.slots.current();
  if (!editor.slots.inUse(current)) return Outcome::done();
  int slot = current;
  do {
    editor.slots.setCurrent(slot);
    editor.engine.send(editor.slots.data(slot).document, code);
    slot = editor.slots.ringNeighbour(slot, 1);
  } while (slot != current);
  editor.slots.setCurrent(current);
  return Outcome::done();
}

Outcome scroll(CommandLanguage& l, int code, int sign, const Invocation& inv) {
  int n = number(inv.rest, 1);
  if (n < 1) n = 1;
  return result(l.send(code, sign * n));
}

Outcome edge(CommandLanguage& l, bool right) {
  Document* doc = l.target();
  if (!doc) return Outcome::done();
  int column = doc->view.leftColumn + (right ? doc->windowColumns - 1 : 0);
  return result(l.send(fn::kColumn, column));
}

}  // namespace

void registerMovementCommands(CommandLanguage& language) {
  auto& l = language;
  l.setHandler(fn::kLine, [&l](const Invocation& inv) { return lineCommand(l, inv); });
  const std::pair<int, int> kCounted[] = {
      {fn::kUpCount, fn::kUp}, {fn::kDownCount, fn::kDown}, {fn::kLeftCount, fn::kLeft}, {fn::kRightCount, fn::kRight}};
  for (auto [countCode, code] : kCounted)
    l.setHandler(countCode, [&l, code](const Invocation& inv) { return counted(l, code, inv); });
  const std::pair<int, int> kAll[] = {{fn::kTopAll, fn::kTop},           {fn::kBottomAll, fn::kBottom},
                                      {fn::kPageDownAll, fn::kPageDown}, {fn::kPageUpAll, fn::kPageUp},
                                      {fn::kUpAll, fn::kUp},             {fn::kDownAll, fn::kDown}};
  for (auto [allCode, code] : kAll)
    l.setHandler(allCode, [&l, code](const Invocation&) { return inEveryWindow(l, code); });
  l.setHandler(fn::kScrollup, [&l](const Invocation& inv) { return scroll(l, fn::kScrollVertical, -1, inv); });
  l.setHandler(fn::kScrolldown, [&l](const Invocation& inv) { return scroll(l, fn::kScrollVertical, 1, inv); });
  l.setHandler(fn::kScrollleft, [&l](const Invocation& inv) { return scroll(l, fn::kScrollHorizontal, -1, inv); });
  l.setHandler(fn::kScrollright, [&l](const Invocation& inv) { return scroll(l, fn::kScrollHorizontal, 1, inv); });
  l.setHandler(fn::kLeftEdge, [&l](const Invocation&) { return edge(l, false); });
  l.setHandler(fn::kRightEdge, [&l](const Invocation&) { return edge(l, true); });
  const std::pair<int, int> kModes[] = {{fn::kInsertToggle, 0}, {fn::kInsertMode, 1}, {fn::kReplaceMode, 2}};
  for (auto [code, mode] : kModes)
    l.setHandler(code, [&l, mode](const Invocation&) { return result(l.send(fn::kSetInsertMode, mode)); });
  l.setHandler(fn::kDeleteJoin, [&l](const Invocation&) { return result(l.send(fn::kDeleteChar, 1)); });
  l.setHandler(fn::kRuboutJoin, [&l](const Invocation&) { return result(l.send(fn::kRubout, 1)); });
}

}  // namespace tarn::command
