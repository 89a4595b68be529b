// Large blocks of memory for the line arena, backed by huge pages where the
// system offers them, so that filling a big file costs few page faults.
#pragma once
#include <cstddef>

namespace tarn {

constexpr size_t kLargeBlockBytes = size_t{2} << 20;

// A block of kLargeBlockBytes; null when the system has no memory left.
void* allocateLargeBlock();
void freeLargeBlock(void* block);

}  // namespace tarn
