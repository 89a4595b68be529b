#include "core/line.h"

#include <algorithm>
#include <cstring>

#include "core/line_arena.h"
#include "core/out_of_memory.h"

namespace tarn {

namespace {

// Capacities too large for the record's field are kept in front of the text.
constexpr uint32_t kLargestInRecord = (Line::kCapacityWithText - 1) * 4u;
constexpr uint32_t kCapacityHeader = 8;

// A buffer of the capacity (a multiple of 4) for the line.
void giveBuffer(Line* line, uint32_t capacity) {
  auto& arena = LineArena::instance();
  if (capacity <= kLargestInRecord) {
    line->text = arena.allocateText(capacity);
    line->capacityQuads = static_cast<uint16_t>(capacity / 4);
    return;
  }
  char* block = arena.allocateText(capacity + kCapacityHeader);
  std::memcpy(block, &capacity, sizeof capacity);
  line->text = block + kCapacityHeader;
  line->capacityQuads = Line::kCapacityWithText;
}

void releaseBuffer(Line* line) {
  auto& arena = LineArena::instance();
  if (line->capacityQuads == Line::kCapacityWithText)
    arena.releaseText(line->text - kCapacityHeader, line->capacity() + kCapacityHeader);
  else
    arena.releaseText(line->text, line->capacity());
}

// Pooled sizes are multiples of 4; keep every buffer so for reuse.
uint32_t roundedCapacity(uint32_t capacity) {
  if (capacity < 4) capacity = 4;
  return (capacity + 3) & ~3u;
}

}  // namespace

uint32_t Line::capacity() const {
  if (capacityQuads != kCapacityWithText) return capacityQuads * 4u;
  uint32_t capacity;
  std::memcpy(&capacity, text - kCapacityHeader, sizeof capacity);
  return capacity;
}

Line* makeLine(uint32_t capacity) {
  if (capacity >= UINT32_MAX - 64) outOfMemory();
  Line* line = LineArena::instance().allocateRecord();
  uint32_t rounded = roundedCapacity(capacity);
  giveBuffer(line, rounded);
  std::memset(line->text, 0, rounded);
  return line;
}

Line* makeLine(std::string_view text) {
  if (text.size() >= UINT32_MAX - 64) outOfMemory();
  auto n = static_cast<uint32_t>(text.size());
  Line* line = LineArena::instance().allocateRecord();
  uint32_t capacity = capacityFor(n);
  giveBuffer(line, capacity);
  if (n) std::memcpy(line->text, text.data(), n);
  std::memset(line->text + n, 0, capacity - n);
  line->length = n;
  return line;
}

void freeLine(Line* line) {
  releaseBuffer(line);
  LineArena::instance().releaseRecord(line);
}

void growLine(Line* line, uint32_t n) {
  uint64_t needed = uint64_t{line->length} + n + 1;
  uint32_t old = line->capacity();
  if (needed <= old) return;
  if (needed >= UINT32_MAX - 64) outOfMemory();
  // Grow geometrically so that typing into a long line stays cheap.
  uint64_t wanted = std::max<uint64_t>(needed, uint64_t{old} + old / 2);
  if (wanted >= UINT32_MAX - 64) wanted = needed;
  uint32_t capacity = capacityFor(static_cast<uint32_t>(wanted));
  char* oldText = line->text;
  Line previous = *line;
  giveBuffer(line, capacity);
  std::memcpy(line->text, oldText, line->length);
  std::memset(line->text + line->length, 0, capacity - line->length);
  releaseBuffer(&previous);
}

}  // namespace tarn
