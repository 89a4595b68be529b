// Whole words: a match counts only when the byte before it is a word
// separator or it starts the line, and the byte after it is a separator or
// it ends the line.
#pragma once
#include "core/word_separators.h"

namespace tarn {

// What stands beside a match: a byte (0 to 255), or anything else for the
// start or the end of the line.
inline bool isWordEdge(const WordSeparators& separators, int beside) {
  return beside < 0 || beside > 255 || separators.isSeparator(static_cast<unsigned char>(beside));
}

}  // namespace tarn
