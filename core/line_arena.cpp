#include "core/line_arena.h"

#include <cstdlib>
#include <cstring>

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

static_assert(sizeof(Line) == 24, "a line record is 24 bytes");

// Constant-initialized, so that it is there before any static that holds
// lines is made, and goes after them.
constinit LineArena LineArena::arena_;

void LineArena::releaseChain(Line* first) {
  if (!first) return;
  pendingChains_.push_back(first);
#if defined(__SANITIZE_ADDRESS__)
  releasePendingChains();
#endif
}

void LineArena::releasePendingChains() {
  for (Line* line : pendingChains_) {
    while (line) {
      Line* next = line->next();
      freeLine(line);
      line = next;
    }
  }
  pendingChains_.clear();
}

LineArena::~LineArena() {
  for (Line* block : blocks_) freeLargeBlock(block);
  for (char* slab : slabs_) freeLargeBlock(slab);
}

Line* LineArena::allocateRecord() {
  if (!pendingChains_.empty()) releasePendingChains();
  Line* line;
  if (freeRecords_) {
    line = record(freeRecords_);
    TARN_UNPOISON(line, sizeof(Line));
    freeRecords_ = line->nextIndex;
  } else {
    if (nextFresh_ % kRecordsPerBlock == 0 || blocks_.empty()) {
      if (blocks_.size() >= UINT32_MAX / kRecordsPerBlock) outOfMemory();  // beyond 32-bit indices
      auto* block = static_cast<Line*>(allocateLargeBlock());
      if (!block) outOfMemory();
      *reinterpret_cast<uint32_t*>(block) = static_cast<uint32_t>(blocks_.size());
      TARN_POISON(block + 1, kLargeBlockBytes - sizeof(Line));
      blocks_.push_back(block);
      reserved_ += kLargeBlockBytes;
      if (nextFresh_ % kRecordsPerBlock == 0) ++nextFresh_;  // past the new block's header
    }
    line = record(nextFresh_++);
    TARN_UNPOISON(line, sizeof(Line));
  }
  std::memset(line, 0, sizeof(Line));
  return line;
}

void LineArena::releaseRecord(Line* line) {
  line->nextIndex = freeRecords_;
  freeRecords_ = indexOf(line);
  // The chain stays readable; the rest is poisoned.
  TARN_POISON(&line->length, sizeof(Line) - offsetof(Line, length));
  TARN_POISON(&line->text, sizeof(line->text));
}

char* LineArena::allocateText(uint32_t capacity) {
  if (capacity > kLargestPooled) {
    char* text = static_cast<char*>(std::malloc(capacity));
    if (!text) outOfMemory();
    return text;
  }
  char* text = nullptr;
  if (capacity < sizeof(char*)) {
    if (!freeTiny_.empty()) {
      text = freeTiny_.back();
      freeTiny_.pop_back();
    }
  } else if (char*& head = freeText_[capacity / 4]) {
    text = head;
    TARN_UNPOISON(text, sizeof(char*));
    std::memcpy(&head, text, sizeof(char*));
  }
  if (!text) {
    if (slabLeft_ < capacity) {
      slabCursor_ = static_cast<char*>(allocateLargeBlock());
      if (!slabCursor_) outOfMemory();
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
  if (capacity < sizeof(char*)) {
    freeTiny_.push_back(text);
    TARN_POISON(text, capacity);
    return;
  }
  char*& head = freeText_[capacity / 4];
  std::memcpy(text, &head, sizeof(char*));
  head = text;
  TARN_POISON(text, capacity);
}

}  // namespace tarn
