// Storage of line records and small text buffers without per-block headers.
// Records are addressed by 32-bit index (0 is none); buffers up to
// kLargestPooled bytes come from size-class pools, larger ones from the heap.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/line.h"

namespace tarn {


class LineArena {
 public:
  static constexpr uint32_t kLargestPooled = 512;

  static LineArena& instance();

  Line* allocateRecord();
  void releaseRecord(Line* line);
  Line* record(uint32_t index) const {
    return index ? &chunks_[index >> kChunkBits][index & kChunkMask] : nullptr;
  }

  char* allocateText(uint32_t capacity);
  void releaseText(char* text, uint32_t capacity);

  // Bytes held from the system for records and pooled buffers.
  size_t reservedBytes() const { return reserved_; }

 private:
  static constexpr uint32_t kChunkBits = 16;
  static constexpr uint32_t kChunkMask = (1u << kChunkBits) - 1;
  static constexpr size_t kSlabBytes = 1 << 20;

  LineArena() = default;
  ~LineArena();

  std::vector<Line*> chunks_;
  uint32_t nextFresh_ = 1;     // index 0 stands for "no line"
  uint32_t freeRecords_ = 0;   // chain of released records through nextIndex
  std::vector<char*> freeText_[kLargestPooled / 4 + 1];
  std::vector<char*> slabs_;
  char* slabCursor_ = nullptr;
  size_t slabLeft_ = 0;
  size_t reserved_ = 0;
};

}  // namespace tarn
