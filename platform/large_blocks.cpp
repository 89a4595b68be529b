#include "platform/large_blocks.h"

#include <sys/mman.h>

#include <cstdlib>

namespace tarn {

void* allocateLargeBlock() {
  void* block = std::aligned_alloc(kLargeBlockBytes, kLargeBlockBytes);
#ifdef MADV_HUGEPAGE
  if (block) madvise(block, kLargeBlockBytes, MADV_HUGEPAGE);
#endif
  return block;
}

void freeLargeBlock(void* block) { std::free(block); }

}  // namespace tarn
