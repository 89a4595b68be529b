// Large blocks of memory for the line arena. They are not advised onto
// huge pages: finding and clearing 2 MB at a time (compacting memory first
// when none lies free) stalled big loads for up to seconds, where pages
// taken one at a time cost a steady few milliseconds.
#pragma once
#include <cstddef>

namespace tarn {

constexpr size_t kLargeBlockBytes = size_t{2} << 20;

// A block of kLargeBlockBytes; null when the system has no memory left.
void* allocateLargeBlock();
void freeLargeBlock(void* block);

}  // namespace tarn
