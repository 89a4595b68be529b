#include "platform/event_loop.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>

namespace tarn {

namespace {

// The self-pipe is process-wide because signal handlers are.
int wakePipe[2] = {-1, -1};
std::atomic<uint64_t> pendingSignals{0};

void noteSignal(int signo) {
  int saved = errno;
  pendingSignals.fetch_or(uint64_t{1} << signo);
  if (wakePipe[1] >= 0) {
    char b = 0;
    [[maybe_unused]] auto n = write(wakePipe[1], &b, 1);
  }
  errno = saved;
}

void openWakePipe() {
  if (wakePipe[0] >= 0) return;
  if (pipe(wakePipe) != 0) return;
  for (int fd : wakePipe) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
  }
}

}  // namespace

EventLoop::EventLoop() : now_([] { return Clock::now(); }) { openWakePipe(); }

EventLoop::~EventLoop() {
  for (auto& [signo, handler] : signalHandlers_) std::signal(signo, SIG_DFL);
}

int EventLoop::addTimer(std::chrono::milliseconds interval, Callback tick, Source source) {
  int id = nextTimerId_++;
  timers_[id] = Timer{interval, now() + interval, std::move(tick), source};
  return id;
}

void EventLoop::removeTimer(int id) { timers_.erase(id); }

void EventLoop::watch(int fd, Callback onReadable, Source source) {
  watched_[fd] = Watch{std::move(onReadable), source};
}

void EventLoop::unwatch(int fd) { watched_.erase(fd); }

void EventLoop::onSignal(int signo, Callback handler) {
  signalHandlers_[signo] = std::move(handler);
  struct sigaction sa {};
  sa.sa_handler = noteSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(signo, &sa, nullptr);
}

void EventLoop::removeSignal(int signo) {
  if (signalHandlers_.erase(signo) != 0) std::signal(signo, SIG_DFL);
}

void EventLoop::terminate() {
  if (!terminated_) {
    terminated_ = true;
    if (onTermination_) onTermination_();
  }
  requestQuit();
}

void EventLoop::drainSignals() {
  char buf[64];
  while (read(wakePipe[0], buf, sizeof buf) > 0) {
  }
  uint64_t bits = pendingSignals.exchange(0);
  for (auto& [signo, handler] : signalHandlers_) {
    if (bits & (uint64_t{1} << signo)) handler();
  }
}

void EventLoop::handlePendingSignals() {
  if (pendingSignals.load() != 0) drainSignals();
}

void EventLoop::runDueTimers() {
  auto t = now();
  // A tick may add or remove timers: collect the due ids first.
  std::vector<int> due;
  for (auto& [id, timer] : timers_)
    if (timer.due <= t && serves(timer.source)) due.push_back(id);
  for (int id : due) {
    auto it = timers_.find(id);
    if (it == timers_.end() || !serves(it->second.source)) continue;  // a tick may close the loop to it
    it->second.due = t + it->second.interval;
    auto tick = it->second.tick;  // the tick may remove its own timer
    tick();
  }
}

void EventLoop::runOnce(std::optional<std::chrono::milliseconds> timeout) {
  int waitMs = timeout ? static_cast<int>(timeout->count()) : -1;
  auto t = now();
  for (auto& [id, timer] : timers_) {
    if (!serves(timer.source)) continue;
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(timer.due - t).count();
    if (left < 0) left = 0;
    if (waitMs < 0 || left < waitMs) waitMs = static_cast<int>(left);
  }
  std::vector<pollfd> fds;
  fds.push_back({wakePipe[0], POLLIN, 0});
  // A readable descriptor that is not served would end every wait at once.
  for (auto& [fd, w] : watched_)
    if (serves(w.source)) fds.push_back({fd, POLLIN, 0});
  int n = poll(fds.data(), fds.size(), waitMs);
  if (n > 0) {
    if (fds[0].revents) drainSignals();
    for (size_t i = 1; i < fds.size(); ++i) {
      if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      auto it = watched_.find(fds[i].fd);
      if (it != watched_.end() && serves(it->second.source)) {
        auto cb = it->second.onReadable;
        cb();
      }
    }
  } else if (pendingSignals.load() != 0) {
    drainSignals();
  }
  runDueTimers();
}

}  // namespace tarn
