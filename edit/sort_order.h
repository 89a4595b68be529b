// The order `sort` puts lines in, and the lines its compacting letters
// remove. Columns are one-based bytes of the line.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/sort_bits.h"

namespace tarn {

struct SortRule {
  int bits = 0;
  int keyStart = 1;  // one-based
  int keyEnd = 0;    // one-based and included; 0: to the end of the line
};

// The rule the sort engine's arguments give: the bits and the packed key
// columns (see packedSortColumns).
SortRule sortRuleOf(intptr_t bits, intptr_t columns);

// The indices of the lines in sorted order, without those the compacting
// letters remove. Lines that compare equal keep their order: descending
// reverses the comparison, not the order of equal lines.
//
// A line shorter than the key start sorts before one that reaches it, two
// such lines by their whole text. Otherwise the keys decide: as numbers
// (n), or byte by byte (i: ASCII letters without regard to case), with a
// tie broken from the key start to the end of the line (key end given) or
// by the whole lines (key from a later column to the end). With r the key
// starts after the blanks at the key start and keeps its length.
std::vector<uint32_t> sortedOrder(std::span<const std::string_view> lines, const SortRule& rule);

}  // namespace tarn
