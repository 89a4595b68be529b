#include "core/given_text.h"

#include <string>
#include <vector>

#include "core/document.h"
#include "core/function_codes.h"

namespace tarn {

namespace {

const std::vector<std::string>* givenLines(const EngineCall& call) {
  return reinterpret_cast<const std::vector<std::string>*>(call.arg2);
}

bool mayFill(const Document& doc) { return !doc.isReadOnly() && !doc.isCommandLine(); }

// After the current line, or above the bottom-of-file line when the cursor
// is on it; the cursor stays on its line.
int insertLines(EngineCall& call) {
  Document& doc = call.doc;
  const std::vector<std::string>* lines = givenLines(call);
  if (!lines || !mayFill(doc)) return 0;
  if (doc.current == doc.last) {
    for (const std::string& text : *lines) doc.insertBeforeCurrent(makeLine(text));
  } else {
    for (auto it = lines->rbegin(); it != lines->rend(); ++it) doc.insertAfterCurrent(makeLine(*it));
  }
  doc.flags |= docflag::kRepaintAll;
  return 1;
}

// The cursor goes to the end of the new text.
int setLineText(EngineCall& call) {
  Document& doc = call.doc;
  const auto* text = reinterpret_cast<const std::string_view*>(call.arg2);
  if (!text || doc.isReadOnly() || !doc.current || doc.isSentinel(doc.current)) return 0;
  doc.setText(*doc.current, *text);
  doc.cursorColumn = static_cast<int>(doc.current->length);
  doc.flags |= docflag::kRepaintAll;
  return 1;
}

// The cursor goes to the top-of-file line; the change count stays.
int replaceText(EngineCall& call) {
  Document& doc = call.doc;
  if (!call.arg2 || !mayFill(doc)) return 0;
  doc.freeLines();
  if (call.arg1 & giventext::kSupplied) {
    auto* supply = reinterpret_cast<LineSupply*>(call.arg2);
    for (std::string_view text; supply->next(text);) doc.appendLine(makeLine(text));
  } else {
    for (const std::string& text : *givenLines(call)) doc.appendLine(makeLine(text));
  }
  doc.addSentinels();
  doc.cursorColumn = 0;
  doc.flags |= docflag::kRepaintAll;
  return 1;
}

constexpr uint32_t kBuildingBlock = editclass::kChange | editclass::kInternal;

// Sorted by code.
constexpr EditFunction kFunctions[] = {
    {fn::kInsertLines, kBuildingBlock, insertLines},
    {fn::kSetLineText, kBuildingBlock, setLineText},
    {fn::kReplaceText, kBuildingBlock, replaceText},
};

}  // namespace

std::span<const EditFunction> givenTextFunctions() { return kFunctions; }

}  // namespace tarn
