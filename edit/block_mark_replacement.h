// Text typed or pasted into a file whose block mark it replaces: with
// behaviour bit 1, the block goes first.
#pragma once

namespace tarn {

struct Document;
struct EngineCall;

// Whether typing into the file removes its block mark first.
bool typingRemovesBlockMark(const Document& doc);

// With behaviour bit 1 and a block mark in the file: the marked text is
// deleted (into the line buffer) when the cursor line lies within the
// mark's lines, otherwise the mark alone is removed.
void removeBlockMarkFirst(EngineCall& call);

}  // namespace tarn
