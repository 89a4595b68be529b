// Puts the terminal back when the program dies on a fatal signal (SIGSEGV,
// SIGBUS, SIGILL, SIGFPE, SIGABRT) or through std::terminate: writes the
// bytes that undo the set-up and the saved settings, then lets the signal
// take its former course (the sanitizers' report in their builds). The
// handler runs on an alternate stack, so a stack overflow is caught too.
// Signal handlers are process-wide, so one terminal is guarded at a time.
#pragma once
#include <termios.h>

#include <string_view>

namespace tarn::terminal_guard {

// Guards the terminal on fd; undo longer than 1 KiB is cut.
void arm(int fd, const termios& saved, std::string_view undo);
// Puts the guarded terminal back at once (when the program must end without
// unwinding, as on allocation failure); allocates nothing.
void restoreNow();
// The terminal was put back (or handed to another program): stop guarding it.
void disarm();

}  // namespace tarn::terminal_guard
