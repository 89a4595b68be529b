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
    // Edit-control style messages.
    {msg::kKeyDown, kMove | kChange, keyDown},
    {msg::kChar, kChange, character},
    {msg::kLeftDown, kMove, pointerPress},
    {msg::kLeftDoubleClick, kMove, pointerDoubleClick},
    {msg::kCut, kChange, cut},
    {fn::kCopyToClipboard, kNone, copyToClipboard},
    {fn::kCopyFromClipboard, kChange, copyFromClipboard},

    {fn::kLocateForward, kMove, locateForward},
    {fn::kLocateBackward, kMove, locateBackward},
    {fn::kChangeForward, kMove | kChange, changeForward},
    {fn::kChangeBackward, kMove | kChange, changeBackward},
    {fn::kDeleteLine, kChange, deleteLine},
    {fn::kAppendLine, kChange, appendLine},
    {fn::kInsertLine, kChange, insertLine},
    {fn::kDeleteMark, kChange, deleteMark},
    {fn::kCutLines, kChange, cutLines},
    {fn::kUnmark, kNone, unmark},
    {fn::kCopyLines, kInternal, copyLines},
    {fn::kDupLine, kChange, dupLine},
    {fn::kCopyMark, kChange, copyMark},
    {fn::kRubout, kChange, rubout},
    {fn::kDeleteWord, kChange, deleteWord},
    {fn::kDeleteChar, kChange, deleteChar},
    {fn::kEraseEndLine, kChange, eraseEndLine},
    {fn::kSetInsertMode, kNone, setInsertMode},
    {fn::kTab, kChange, tab},
    {fn::kBacktab, kChange, backtab},
    {fn::kUndo, kChange, undo},
    {fn::kRedo, kChange, redo},
    {fn::kFindInText, kInternal, findInText},
    {fn::kRepeatChangeSearch, kMove | kChange, repeatChangeSearch},
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
    {fn::kToggleLineMark, kNone, toggleLineMark},
    {fn::kMarkLine, kNone, markLine},
    {fn::kTypeChar, kChange, typeCharacter},
    {fn::kMarkChar, kNone, markChar},
    {fn::kMarkBlock, kNone, markBlock},
    {fn::kLowercase, kChange, changeCase},
    {fn::kUppercase, kChange, changeCase},
    {fn::kGetWord, kNone, getWord},
    {fn::kMacroDefine, kNone, macroDefine},
    {fn::kMacroPlay, kNone, macroPlay},
    {fn::kMacroPause, kNone, macroPause},
    {fn::kLastSearchText, kInternal, lastSearchText},
    {fn::kPasteText, kChange | kInternal, pasteText},
    {fn::kTrim, kChange, trim},
    {fn::kCenterInMargins, kChange, centerInMargins},
    {fn::kReformatParagraph, kChange, reformatParagraph},
    {fn::kReformatAll, kChange, reformatAll},
    {fn::kParagraphMargin, kMove, paragraphMargin},
    {fn::kColumn, kMove, column},
    {fn::kGetMark, kInternal, getMark},
    {fn::kSetMark, kNone, setMark},
    {fn::kCanUndo, kInternal, canUndo},
    {fn::kCanRedo, kInternal, canRedo},
    {fn::kBeginMark, kMove, beginMark},
    {fn::kEndMark, kMove, endMark},
    {fn::kFillMark, kChange, fillMark},
    {fn::kOverlayBlock, kChange, overlayBlock},
    {fn::kEndWord, kMove, endWord},
    {fn::kFindBlankLine, kMove, findBlankLine},
    {fn::kFirstNonblank, kMove, firstNonblank},
    {fn::kShiftLeft, kChange, shiftLeft},
    {fn::kShiftRight, kChange, shiftRight},
    {fn::kSplit, kChange, split},
    {fn::kJoin, kChange, join},
    {fn::kEraseBeginLine, kChange, eraseBeginLine},
    {fn::kMoveMark, kChange, moveMark},
    {fn::kBeginWord, kMove, beginWord},
    {fn::kCenterLine, kMove, centerLine},
    {fn::kJustifyLine, kChange, justifyLine},
    {fn::kJustifyParagraph, kChange, justifyParagraph},
    {fn::kJustifyAll, kChange, justifyAll},
    {fn::kScrollVertical, kMove, scrollVertical},
    {fn::kScrollHorizontal, kMove, scrollHorizontal},
    {fn::kLeftMargin, kMove, leftMargin},
    {fn::kRightMargin, kMove, rightMargin},
    {fn::kSortLines, kChange, sortLines},
    {fn::kIndent, kMove, indent},
    {fn::kInvertcase, kChange, changeCase},
    {fn::kCapitalize, kChange, changeCase},
    {fn::kAlign, kChange, align},
    {fn::kAlignMark, kChange, alignMark},
    {fn::kAlignTab, kChange, alignTab},
    {fn::kAlignBacktab, kChange, alignBacktab},
    {fn::kMarkTab, kChange, markTab},
    {fn::kMarkBacktab, kChange, markBacktab},
    {fn::kAlignBlock, kChange, alignBlock},
    {fn::kCreateTable, kChange, createTable},
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
