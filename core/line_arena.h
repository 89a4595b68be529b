// Storage of line records and text buffers without per-block headers.
// Records live in aligned blocks whose first slot names the block, so that
// a record's 32-bit index (0 is none) follows from its address and back;
// buffers up to kLargestPooled bytes come from size-class pools, larger
// ones from the heap.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/line.h"
#include "platform/large_blocks.h"

namespace tarn {

class LineArena {
 public:
  static constexpr uint32_t kLargestPooled = 512;

  static LineArena& instance() { return arena_; }

  Line* allocateRecord();
  void releaseRecord(Line* line);
  Line* record(uint32_t index) const {
    return index ? blocks_[index / kRecordsPerBlock] + index % kRecordsPerBlock : nullptr;
  }
  static uint32_t indexOf(const Line* line) {
    auto address = reinterpret_cast<uintptr_t>(line);
    auto* block = reinterpret_cast<const Line*>(address & ~(uintptr_t{kLargeBlockBytes} - 1));
    return *reinterpret_cast<const uint32_t*>(block) * kRecordsPerBlock + static_cast<uint32_t>(line - block);
  }

  // A buffer of at least capacity bytes; capacity is updated to its size.
  char* allocateText(uint32_t capacity);
  void releaseText(char* text, uint32_t capacity);

  // Bytes held from the system for records and pooled buffers.
  size_t reservedBytes() const { return reserved_; }

  // Gives back the lines of a chain linked by their next lines (a whole
  // text). They are walked when a line is next made, so that a file closed
  // right before the program ends costs no walk through its lines.
  // Sanitizer builds give them back at once, for their checks.
  void releaseChain(Line* first);

 private:
  // Slot 0 of every block holds the block's number.
  static constexpr uint32_t kRecordsPerBlock = kLargeBlockBytes / sizeof(Line);
  static constexpr size_t kSlabBytes = kLargeBlockBytes;

  constexpr LineArena() = default;
  ~LineArena();

  void releasePendingChains();

  static LineArena arena_;

  std::vector<Line*> blocks_;
  uint32_t nextFresh_ = 1;    // slot 0 of block 0 is its header, so index 0 is "no line"
  uint32_t freeRecords_ = 0;  // chain of released records through nextIndex
  // Released buffers of each size, chained through their first bytes; the
  // four-byte ones cannot hold a link and wait in a list of their own.
  char* freeText_[kLargestPooled / 4 + 1] = {};
  std::vector<char*> freeTiny_;
  std::vector<char*> slabs_;
  char* slabCursor_ = nullptr;
  size_t slabLeft_ = 0;
  size_t reserved_ = 0;
  std::vector<Line*> pendingChains_;
};

// A line's neighbours, found from their arena indices.
inline Line* Line::prev() const { return LineArena::instance().record(prevIndex); }
inline Line* Line::next() const { return LineArena::instance().record(nextIndex); }
inline void Line::setPrev(Line* line) { prevIndex = line ? LineArena::indexOf(line) : 0; }
inline void Line::setNext(Line* line) { nextIndex = line ? LineArena::indexOf(line) : 0; }

}  // namespace tarn
