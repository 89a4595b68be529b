#include "core/line.h"

#include <cstring>

#include "core/line_arena.h"
#include "core/out_of_memory.h"

namespace tarn {

Line* Line::prev() const { return LineArena::instance().record(prevIndex); }
Line* Line::next() const { return LineArena::instance().record(nextIndex); }
void Line::setPrev(Line* line) { prevIndex = line ? line->self : 0; }
void Line::setNext(Line* line) { nextIndex = line ? line->self : 0; }

namespace {
// Pooled sizes are multiples of 4; keep every buffer so for reuse.
uint32_t roundedCapacity(uint32_t capacity) {
  if (capacity < 4) capacity = 4;
  return (capacity + 3) & ~3u;
}
}  // namespace

Line* makeLine(uint32_t capacity) {
  auto& arena = LineArena::instance();
  Line* line = arena.allocateRecord();
  line->capacity = roundedCapacity(capacity);
  line->text = arena.allocateText(line->capacity);
  std::memset(line->text, 0, line->capacity);
  return line;
}

Line* makeLine(std::string_view text) {
  if (text.size() >= UINT32_MAX - 8) outOfMemory();
  auto n = static_cast<uint32_t>(text.size());
  auto& arena = LineArena::instance();
  Line* line = arena.allocateRecord();
  line->capacity = capacityFor(n);
  line->text = arena.allocateText(line->capacity);
  if (n) std::memcpy(line->text, text.data(), n);  // an empty view may hold no pointer
  std::memset(line->text + n, 0, line->capacity - n);
  line->length = n;
  return line;
}

void freeLine(Line* line) {
  auto& arena = LineArena::instance();
  arena.releaseText(line->text, line->capacity);
  arena.releaseRecord(line);
}

void growLine(Line* line, uint32_t n) {
  uint64_t needed = uint64_t{line->length} + n + 1;
  if (needed <= line->capacity) return;
  if (needed >= UINT32_MAX - 8) outOfMemory();
  // Grow geometrically so that typing into a long line stays cheap.
  uint64_t wanted = std::max<uint64_t>(needed, uint64_t{line->capacity} + line->capacity / 2);
  if (wanted >= UINT32_MAX - 8) wanted = needed;
  uint32_t capacity = capacityFor(static_cast<uint32_t>(wanted));
  auto& arena = LineArena::instance();
  char* text = arena.allocateText(capacity);
  std::memcpy(text, line->text, line->length);
  std::memset(text + line->length, 0, capacity - line->length);
  arena.releaseText(line->text, line->capacity);
  line->text = text;
  line->capacity = capacity;
}

}  // namespace tarn
