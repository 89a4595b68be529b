// Which keyword set colours a file, from the extension lists of
// `syntaxcoloringext<n>`: "*" takes every file; an entry starting with a
// dot is an extension (a file without one has "."); any other entry is a
// whole file name. Names are compared without regard to case.
#pragma once
#include <span>
#include <string_view>

#include "core/settings.h"

namespace tarn {

// The set for a file name (a path is taken at its last component), or -1.
// A set whose list holds "*" wins (the first such); otherwise the set used
// last is asked first, then sets 0 to 19 in order.
int selectKeywordSet(std::span<const SyntaxSetSettings> sets, int lastUsed, std::string_view fileName);

}  // namespace tarn
