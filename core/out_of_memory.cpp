#include "core/out_of_memory.h"

#include <cstdlib>
#include <new>

namespace tarn {

namespace {
OutOfMemoryReporter reporter = nullptr;
}

void setOutOfMemoryReporter(OutOfMemoryReporter r) { reporter = r; }

void outOfMemory() {
  if (reporter) reporter();
  std::_Exit(-1);
}

void installOutOfMemoryHandler() { std::set_new_handler([] { outOfMemory(); }); }

}  // namespace tarn
