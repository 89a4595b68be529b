#include "platform/large_blocks.h"

#include <cstdlib>

namespace tarn {

void* allocateLargeBlock() { return std::aligned_alloc(kLargeBlockBytes, kLargeBlockBytes); }

void freeLargeBlock(void* block) { std::free(block); }

}  // namespace tarn
