// One line of text: bytes without a line end, linked to its neighbours.
// Records and small text buffers come from the line arena; neighbours are
// held as 32-bit arena indices and the capacity in units of four bytes, so
// that a line costs 24 bytes beside its text.
#pragma once
#include <cstdint>
#include <string_view>

namespace tarn {

namespace lineflag {
constexpr uint16_t kInRange = 0x1;        // member of the range of the current operation
constexpr uint16_t kTabsExpanded = 0x4;   // tabs expanded while the line lies in a block mark
constexpr uint16_t kHasTab = 0x10;        // the line contains a tab character
constexpr uint16_t kEndedCrLf = 0x400;    // ended with CR LF while the document's line end was not CR LF
constexpr uint16_t kEndedCr = 0x800;      // ended with CR alone while the document's was another
constexpr uint16_t kEndedLf = 0x1000;     // ended with LF alone while the document's was another
constexpr uint16_t kNoLineEnd = 0x2000;   // the file's last line had no line end
}  // namespace lineflag

struct Line {
  char* text;  // NUL-terminated, capacity() bytes
  uint32_t prevIndex;
  uint32_t nextIndex;
  uint32_t length;
  uint16_t capacityQuads;  // capacity / 4, or kCapacityWithText when the buffer keeps it
  uint16_t flags;

  static constexpr uint16_t kCapacityWithText = 0xFFFF;

  Line* prev() const;
  Line* next() const;
  void setPrev(Line* line);
  void setNext(Line* line);
  uint32_t capacity() const;
  std::string_view view() const { return {text, length}; }
};

// Capacity of a buffer built for n bytes: n with its two low bits cleared, plus 4.
constexpr uint32_t capacityFor(uint32_t n) { return (n & ~3u) + 4; }

// A zero-filled line with at least the given capacity (never below 4).
Line* makeLine(uint32_t capacity);
// A line holding text, with the capacity rule applied.
Line* makeLine(std::string_view text);
void freeLine(Line* line);

// Makes room for n more bytes, keeping the text.
void growLine(Line* line, uint32_t n);

}  // namespace tarn

// The neighbour links are inline, with the arena that holds the records.
#include "core/line_arena.h"  // IWYU pragma: export
