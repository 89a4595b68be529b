// The tokenizer: one line of text and whether the line before it ended
// inside a block remark in; one class code per character (token_classes.h)
// and whether this line ends inside a block remark out.
//
// Only the first 10240 characters are classed; the remark-after column is at
// most 10240, so the rest of a longer line is a line remark. Lines carry no
// state but the block remark, so a file is coloured from any line on once
// the state at its start is known (remarkStateAfter scans for it faster).
#pragma once
#include <cstddef>
#include <span>
#include <string_view>

#include "edit/keyword_set.h"

namespace tarn {

constexpr size_t kClassedLength = 10240;

// Writes the class of every byte of the line into classes[0 .. line size);
// a shorter buffer gets the classes of the start of the line. Returns
// whether the line ends inside a block remark.
bool tokenizeLine(const KeywordSet& set, std::string_view line, bool inBlockRemark,
                  std::span<char> classes);

// The state tokenizeLine returns, without the classes.
bool remarkStateAfter(const KeywordSet& set, std::string_view line, bool inBlockRemark);

}  // namespace tarn
