// Filling a paragraph: its words are laid out again between the margins,
// each line taking as many as fit.
#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/justification.h"
#include "edit/text_columns.h"

namespace tarn {

struct FillLayout {
  int firstIndent = 0;  // blanks before the first line's words
  int indent = 0;       // blanks before every further line's words
  int rightMargin = 80;  // one-based: a word may end on it, not beyond unless it stands alone
  int longestLine = 32767;  // a line stays shorter unless one word makes it longer
  bool singleBlank = true;  // one blank between words, else the white space that followed each word
  bool justify = false;     // each line but the last is justified to the right margin
  ColumnRule rule;
};

// A place in a run of lines: which line, and which byte of it (beyond its
// end for a cursor past the text).
struct TextPlace {
  size_t line = 0;
  size_t byte = 0;
};

struct FilledParagraph {
  std::vector<std::string> lines;
  TextPlace cursor;  // the cursor's place among them
};

// Words are runs of non-white bytes. White space holding a tab between two
// words of a line puts the second on the next tab stop. The cursor stays on
// its character; from white space it goes to the next word on its line, or
// one column after the last one.
FilledParagraph fillParagraph(std::span<const std::string_view> input, const FillLayout& layout,
                              TextPlace cursor, JustifyRounding& rounding);

}  // namespace tarn
