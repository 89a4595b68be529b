// What the `sort` command hands the sort engine: its letters as bits, and
// the key columns packed into one argument.
#pragma once
#include <cstdint>

namespace tarn {

namespace sortbit {
constexpr int kDescending = 1;   // d
constexpr int kIgnoreCase = 2;   // i
constexpr int kNumbers = 4;      // n
constexpr int kSkipBlanks = 8;   // r: blanks at the key start are passed over
constexpr int kCompact = 16;     // c: a line equal to the one kept before it goes
constexpr int kUniqueKeys = 32;  // k: a line whose key equals the one kept before it goes
}  // namespace sortbit

// The key start (one-based; negative: descending; 0: column 1) in the low
// 16 bits, the key end (0: the end of the line) in the high 16 bits.
constexpr intptr_t packedSortColumns(int start, int end) {
  return static_cast<intptr_t>(static_cast<uint16_t>(start)) | static_cast<intptr_t>(end & 0xFFFF) << 16;
}

}  // namespace tarn
