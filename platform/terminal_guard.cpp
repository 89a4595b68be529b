#include "platform/terminal_guard.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <cstdlib>
#include <exception>
#include <iterator>

namespace tarn::terminal_guard {

namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

// Read by signal handlers: plain storage, filled before armed is set.
char undoBytes[1024];
size_t undoLength = 0;
termios savedSettings;
int terminalFd = -1;
std::atomic<bool> armed{false};
static_assert(std::atomic<bool>::is_always_lock_free);

struct sigaction previousActions[std::size(kFatalSignals)];
std::terminate_handler previousTerminate = nullptr;
bool installed = false;

// A stack overflow leaves no room for a handler on the stack that overflowed.
constexpr size_t kSignalStackSize = 64 * 1024;
alignas(16) char signalStack[kSignalStackSize];

}  // namespace

// Async-signal-safe: write and tcsetattr only.
void restoreNow() {
  if (!armed.exchange(false)) return;
  size_t done = 0;
  while (done < undoLength) {
    ssize_t n = write(terminalFd, undoBytes + done, undoLength - done);
    if (n > 0) done += static_cast<size_t>(n);
    else if (!(n < 0 && errno == EINTR)) break;
  }
  tcsetattr(terminalFd, TCSAFLUSH, &savedSettings);
}

namespace {

void onFatalSignal(int signo, siginfo_t* info, void*) {
  int saved = errno;
  restoreNow();
  for (size_t i = 0; i < std::size(kFatalSignals); ++i)
    if (kFatalSignals[i] == signo) sigaction(signo, &previousActions[i], nullptr);
  // A fault happens again when the handler returns, now under the former
  // action; a signal that was sent must be sent again.
  if (info == nullptr || info->si_code <= 0) raise(signo);
  errno = saved;
}

[[noreturn]] void onTerminate() {
  restoreNow();
  if (previousTerminate) previousTerminate();
  std::abort();
}

// A stack already given by someone else (the sanitizers bring their own) is kept.
void provideSignalStack() {
  stack_t current{};
  if (sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE)) return;
  stack_t own{};
  own.ss_sp = signalStack;
  own.ss_size = sizeof signalStack;
  sigaltstack(&own, nullptr);
}

void install() {
  provideSignalStack();
  struct sigaction sa {};
  sa.sa_sigaction = onFatalSignal;
  sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&sa.sa_mask);
  for (size_t i = 0; i < std::size(kFatalSignals); ++i)
    sigaction(kFatalSignals[i], &sa, &previousActions[i]);
  previousTerminate = std::set_terminate(onTerminate);
  installed = true;
}

void uninstall() {
  for (size_t i = 0; i < std::size(kFatalSignals); ++i)
    sigaction(kFatalSignals[i], &previousActions[i], nullptr);
  std::set_terminate(previousTerminate);
  installed = false;
}

}  // namespace

void arm(int fd, const termios& saved, std::string_view undo) {
  armed = false;
  undoLength = std::min(undo.size(), sizeof undoBytes);
  std::memcpy(undoBytes, undo.data(), undoLength);
  savedSettings = saved;
  terminalFd = fd;
  if (!installed) install();
  armed = true;
}

void disarm() {
  armed = false;
  if (installed) uninstall();
}

}  // namespace tarn::terminal_guard
