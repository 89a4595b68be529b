// What the command layer hands the engine's locate and change functions
// (argument 2 points to it): the option bits, the search text and, for a
// change, the replacement.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarn {

// The longest search text and the longest replacement.
constexpr size_t kLongestSearchText = 1023;

namespace searchbit {
constexpr uint32_t kIgnoreCase = 0x1;
constexpr uint32_t kPlainText = 0x2;  // no pattern
constexpr uint32_t kSelect = 0x4;     // the found text becomes a block mark
constexpr uint32_t kWholeWord = 0x8;
constexpr uint32_t kPrompt = 0x100;
constexpr uint32_t kChangeAll = 0x200;
constexpr uint32_t kInsideMark = 0x400;
constexpr uint32_t kOutsideMark = 0x800;
constexpr uint32_t kIncludeCursor = 0x8000;  // start at the cursor itself (once)
}  // namespace searchbit

struct SearchRequest {
  uint32_t options = 0;
  std::string_view text;
  std::string_view replacement;
  // With kPrompt: the window row the match's line is put on before each
  // prompt; -1 keeps the line in the window without moving it further.
  int promptRow = -1;

  // Filled in by the engine: the byte columns of the match found last on
  // its line (the end cut to the line's end when the match runs on),
  // whether a change prompt was answered with all or left with Esc, and
  // whether the file refused the change (read-only).
  int matchStart = 0;
  int matchEnd = 0;
  bool answeredAll = false;
  bool escaped = false;
  bool refused = false;
};

}  // namespace tarn
