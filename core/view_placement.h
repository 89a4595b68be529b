// Keeping the cursor inside its window.
#pragma once

#include "core/line_number.h"

namespace tarn {

struct Document;

// Recomputes the cursor row from the window top. When the current line has
// left the window, the window is placed again with the current line at its
// middle row (nearer the top when fewer lines lie above); the left column
// follows the cursor column. Returns true when the window moved.
bool placeCurrentLine(Document& doc);

// Puts the window top at the given line, clamped to the document.
void setWindowTop(Document& doc, LineIndex lineNumber);

}  // namespace tarn
