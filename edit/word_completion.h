// `autocomplete` in a file's text: the word part left of the cursor and
// what it may become: the keywords of the file's set that begin with it and
// the words of the lines around the cursor that do, without regard to case.
// Words are what the set's tokenizer takes for words (the default syntax
// for a file without a set).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "core/document.h"

namespace tarn {

class KeywordSet;

struct TextCompletion {
  size_t start = 0;  // the word part: bytes [start, end) of the current line
  size_t end = 0;
  std::vector<std::string> candidates;  // sorted without regard to case, each once
};

// cursor: the byte of the current line the cursor is at (at most its length).
// The lines from linesBack above the current line to linesForward below it
// are searched; the word being completed is not a candidate itself.
TextCompletion completeInText(const Document& doc, size_t cursor, const KeywordSet* set, int linesBack,
                              int linesForward);

}  // namespace tarn
