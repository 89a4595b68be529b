#include "edit/registry.h"

#include <iterator>

#include "core/function_codes.h"
#include "edit/handlers.h"

namespace tarn {

namespace {

using namespace handler;

constexpr uint32_t kMove = editclass::kMovement;
constexpr uint32_t kChange = editclass::kChange;
constexpr uint32_t kNone = 0;
constexpr uint32_t kInternal = editclass::kInternal;

// Sorted by code.
constexpr EditFunction kFunctions[] = {
    // Edit-control style messages. A double click moves the cursor as a
    // press does (the word it marks comes with marks).
    {msg::kKeyDown, kMove | kChange, keyDown},
    {msg::kChar, kChange, character},
    {msg::kLeftDown, kMove, pointerPress},
    {msg::kLeftDoubleClick, kMove, pointerPress},

    {fn::kDeleteLine, kChange, deleteLine},
    {fn::kAppendLine, kChange, appendLine},
    {fn::kInsertLine, kChange, insertLine},
    {fn::kCutLines, kChange, cutLines},
    {fn::kDupLine, kChange, dupLine},
    {fn::kRubout, kChange, rubout},
    {fn::kDeleteWord, kChange, deleteWord},
    {fn::kDeleteChar, kChange, deleteChar},
    {fn::kEraseEndLine, kChange, eraseEndLine},
    {fn::kSetInsertMode, kNone, setInsertMode},
    {fn::kTab, kChange, tab},
    {fn::kBacktab, kChange, backtab},
    {fn::kUndo, kChange, undo},
    {fn::kRedo, kChange, redo},
    {fn::kUp, kMove, up},
    {fn::kDown, kMove, down},
    {fn::kLeft, kMove, left},
    {fn::kRight, kMove, right},
    {fn::kBeginLine, kMove, beginLine},
    {fn::kEndLine, kMove, endLine},
    {fn::kTabWord, kMove, tabWord},
    {fn::kBacktabWord, kMove, backtabWord},
    {fn::kNextParagraph, kMove, nextParagraph},
    {fn::kPrevParagraph, kMove, previousParagraph},
    {fn::kTopEdge, kMove, topEdge},
    {fn::kBottomEdge, kMove, bottomEdge},
    {fn::kPageDown, kMove, pageDown},
    {fn::kPageUp, kMove, pageUp},
    {fn::kTop, kMove, top},
    {fn::kBottom, kMove, bottom},
    {fn::kBookmarkGoto, kMove, bookmarkGoto},
    {fn::kBookmarkSet, kNone, bookmarkSet},
    {fn::kGotoLine, kMove, gotoLine},
    {fn::kBookmarkRemove, kNone, bookmarkRemove},
    {fn::kMatchBrace, kChange, matchBrace},
    {fn::kTypeChar, kChange, typeCharacter},
    {fn::kLowercase, kChange, changeCase},
    {fn::kUppercase, kChange, changeCase},
    {fn::kParagraphMargin, kMove, paragraphMargin},
    {fn::kColumn, kMove, column},
    {fn::kCanUndo, kInternal, canUndo},
    {fn::kCanRedo, kInternal, canRedo},
    {fn::kEndWord, kMove, endWord},
    {fn::kFindBlankLine, kMove, findBlankLine},
    {fn::kFirstNonblank, kMove, firstNonblank},
    {fn::kSplit, kChange, split},
    {fn::kJoin, kChange, join},
    {fn::kEraseBeginLine, kChange, eraseBeginLine},
    {fn::kBeginWord, kMove, beginWord},
    {fn::kCenterLine, kMove, centerLine},
    {fn::kScrollVertical, kMove, scrollVertical},
    {fn::kScrollHorizontal, kMove, scrollHorizontal},
    {fn::kLeftMargin, kMove, leftMargin},
    {fn::kRightMargin, kMove, rightMargin},
    {fn::kIndent, kMove, indent},
    {fn::kInvertcase, kChange, changeCase},
    {fn::kCapitalize, kChange, changeCase},
};

constexpr bool strictlySorted() {
  for (size_t i = 1; i < std::size(kFunctions); ++i)
    if (kFunctions[i - 1].code >= kFunctions[i].code) return false;
  return true;
}
static_assert(strictlySorted(), "the registry is searched by code: keep it sorted, one entry a code");

}  // namespace

std::span<const EditFunction> editRegistry() { return kFunctions; }

}  // namespace tarn
