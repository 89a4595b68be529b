#include "core/line_arena.h"

#include <cstdlib>
#include <cstring>

#include "core/line.h"
#include "core/out_of_memory.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define TARN_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define TARN_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define TARN_POISON(p, n) ((void)(p), (void)(n))
#define TARN_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace tarn {

namespace {
void* allocateOrDie(size_t bytes) {
  void* p = std::malloc(bytes);
  if (!p) outOfMemory();
  return p;
}
}  // namespace

LineArena& LineArena::instance() {
  static LineArena arena;
  return arena;
}

LineArena::~LineArena() {
  for (Line* chunk : chunks_) std::free(chunk);
  for (char* slab : slabs_) std::free(slab);
}

Line* LineArena::allocateRecord() {
  Line* line;
  if (freeRecords_) {
    line = record(freeRecords_);
    TARN_UNPOISON(line, sizeof(Line));
    freeRecords_ = line->nextIndex;
  } else {
    uint32_t index = nextFresh_++;
    if (index == 0) outOfMemory();  // more lines than 32-bit indices can name
    if ((index >> kChunkBits) >= chunks_.size()) {
      size_t bytes = sizeof(Line) << kChunkBits;
      chunks_.push_back(static_cast<Line*>(allocateOrDie(bytes)));
      reserved_ += bytes;
      TARN_POISON(chunks_.back(), bytes);
    }
    line = record(index);
    TARN_UNPOISON(line, sizeof(Line));
    line->self = index;
  }
  uint32_t self = line->self;
  std::memset(line, 0, sizeof(Line));
  line->self = self;
  return line;
}

void LineArena::releaseRecord(Line* line) {
  line->nextIndex = freeRecords_;
  freeRecords_ = line->self;
  // Keep self and the chain readable; poison the rest.
  TARN_POISON(&line->length, sizeof(Line) - offsetof(Line, length));
  TARN_POISON(&line->text, sizeof(line->text));
}

char* LineArena::allocateText(uint32_t capacity) {
  if (capacity > kLargestPooled) return static_cast<char*>(allocateOrDie(capacity));
  auto& pool = freeText_[capacity / 4];
  char* text;
  if (!pool.empty()) {
    text = pool.back();
    pool.pop_back();
  } else {
    if (slabLeft_ < capacity) {
      slabCursor_ = static_cast<char*>(allocateOrDie(kSlabBytes));
      slabs_.push_back(slabCursor_);
      slabLeft_ = kSlabBytes;
      reserved_ += kSlabBytes;
      TARN_POISON(slabCursor_, kSlabBytes);
    }
    text = slabCursor_;
    slabCursor_ += capacity;
    slabLeft_ -= capacity;
  }
  TARN_UNPOISON(text, capacity);
  return text;
}

void LineArena::releaseText(char* text, uint32_t capacity) {
  if (capacity > kLargestPooled) {
    std::free(text);
    return;
  }
  TARN_POISON(text, capacity);
  freeText_[capacity / 4].push_back(text);
}

}  // namespace tarn
