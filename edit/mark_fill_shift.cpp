// Filling the mark with a character, and shifting its text by columns.
#include <string>

#include "core/editor.h"
#include "core/marks.h"
#include "edit/handlers.h"
#include "edit/text_changes.h"

namespace tarn::handler {

namespace {

constexpr std::string_view kAskFill = "Press a key to fill mark or ESC to exit";

// The fill character: argument 1, or the key asked for when it is 0; 0 for
// Escape or a key that gives no character.
int fillCharacter(EngineCall& call) {
  if (call.arg1 != 0) return call.arg1 >= 1 && call.arg1 <= 255 ? static_cast<int>(call.arg1) : 0;
  if (!call.editor) return 0;
  call.editor->screen.message(kAskFill);
  int key = call.editor->input.readKey();
  call.editor->screen.clearMessage();
  return key >= 1 && key <= 255 && key != readkey::kEscape ? key : 0;
}

// The columns a line mark is filled in: the margins, to the end of the line
// when the right one is left of the left one.
MarkedPart marginColumns(const EngineCall& call) {
  int left = call.editor ? call.editor->settings.leftMargin - 1 : 0;
  int right = call.editor ? call.editor->settings.rightMargin - 1 : kToLineEnd;
  return MarkedPart{left, right < left ? kToLineEnd : right};
}

// One column inserted or removed at the left edge of each line's part, on
// the lines that have a character there. The mark keeps its columns.
int shift(EngineCall& call, bool right) {
  Document* holder = changeableMarkHolder(call);
  if (!holder) return 0;
  Document& doc = *holder;
  Marks& marks = call.engine.marks();
  ColumnRule rule = columnRule(call.engine, doc);
  auto width = static_cast<uint32_t>(marks.shiftWidth());
  const Mark mark = doc.mark;
  forEachMarkedLine(doc, [&](Line& line, LineIndex, const MarkedPart& part) {
    TextPosition at = positionAt(line.view(), part.first, rule);
    if (at.beyond > 0 || at.index >= line.length) return;
    auto index = static_cast<uint32_t>(at.index);
    if (right)
      doc.insertCharacters(line, index, std::string(width, ' '));
    else
      doc.deleteCharacters(line, index, width);
  });
  doc.mark = mark;
  doc.flags |= docflag::kRepaintAll;
  marks.setChanged();
  return 1;
}

}  // namespace

int fillMark(EngineCall& call) {
  Document* holder = changeableMarkHolder(call);
  if (!holder) return 0;
  int fill = fillCharacter(call);
  if (!fill) return 0;
  Document& doc = *holder;
  ColumnRule rule = columnRule(call.engine, doc);
  MarkedPart margins = marginColumns(call);
  forEachMarkedLine(doc, [&](Line& line, LineIndex, const MarkedPart& part) {
    ByteSpan span = markedBytes(line.view(), part.wholeLine ? margins : part, rule);
    if (span.size() > 0)
      doc.replaceCharacters(line, static_cast<uint32_t>(span.begin), std::string(span.size(), static_cast<char>(fill)));
  });
  doc.flags |= docflag::kRepaintAll;
  call.engine.marks().setChanged();
  return 1;
}

int shiftLeft(EngineCall& call) { return shift(call, false); }

int shiftRight(EngineCall& call) { return shift(call, true); }

}  // namespace tarn::handler
