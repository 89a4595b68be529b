// The steps locate and change share: the windows searched in turn, the
// cursor saved for the from-the-top option, the placement of the found line
// and the end of a search that found nothing.
#pragma once
#include <vector>

#include "command/outcome.h"
#include "command/search_expression.h"
#include "core/document.h"

namespace tarn {
struct Editor;
}

namespace tarn::command {

// The current window, then (with all windows) every other window in use,
// in slot order from the current one on, wrapping after the last.
std::vector<int> windowsToSearch(const Editor& editor, bool allWindows);

// A cursor kept by its line number, so that it can be put back even when
// lines were deleted meanwhile.
struct SavedCursor {
  int slot;
  LineIndex number;
  int column;
};
SavedCursor saveCursor(const Editor& editor);
void restoreCursor(Editor& editor, const SavedCursor& saved);

// From the top: the cursor goes to the top-of-file line, or the
// bottom-of-file line going backward, so that the whole text lies ahead.
void moveToFileEnd(Document& doc, bool backward);

// The window row h, t or b asks for the found line; -1 for none of them.
int placementRow(const Editor& editor, const Document& doc, const SearchSwitches& switches);

// Puts the current line of the current file on that row (or only brings
// the window up to date).
void placeFoundLine(Editor& editor, Document& doc, const SearchSwitches& switches);

// Where the cursor goes after a search that found something.
Outcome afterFinding(const SearchSwitches& switches);

// A search that found nothing: a failure that ends the innermost loop; the
// functions still queued are kept only with the ignore option.
Outcome notFound(const SearchSwitches& switches);

}  // namespace tarn::command
