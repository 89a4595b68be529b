// Allocation failure ends the editor: there is no partial recovery.
#pragma once

namespace tarn {

// Shows "Not enough memory!" through the installed reporter and ends the
// process with exit status -1.
[[noreturn]] void outOfMemory();

// The reporter shows the message and restores the terminal; it must not allocate.
using OutOfMemoryReporter = void (*)();
void setOutOfMemoryReporter(OutOfMemoryReporter reporter);

// Makes operator new failures end the editor the same way.
void installOutOfMemoryHandler();

}  // namespace tarn
