// The one wait of the editor: terminal input, sockets, timers and signals.
// Signal handlers only note the signal and wake the wait; callbacks run on
// the editor's thread, inside runOnce.
#pragma once
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace tarn {

class EventLoop {
 public:
  using Clock = std::chrono::steady_clock;
  using Callback = std::function<void()>;

  EventLoop();
  ~EventLoop();
  EventLoop(const EventLoop&) = delete;
  EventLoop& operator=(const EventLoop&) = delete;

  // A repeating timer; returns its id.
  int addTimer(std::chrono::milliseconds interval, Callback tick);
  void removeTimer(int id);

  void watch(int fd, Callback onReadable);
  void unwatch(int fd);

  // Runs handler on the editor's thread after signo was delivered.
  void onSignal(int signo, Callback handler);
  // Stops handling signo: its default action applies again.
  void removeSignal(int signo);

  // Waits until a watched descriptor is readable, a timer is due, a signal
  // arrived or timeout passed (no timeout: until something happens), then
  // runs what is due.
  void runOnce(std::optional<std::chrono::milliseconds> timeout);

  // Runs the handlers of signals that arrived, and nothing else: long runs
  // call it where they look for Esc, so that a termination is not held up
  // while timers and sockets wait for the run to end.
  void handlePendingSignals();

  // Runs the timers that are due without waiting (tests drive time with it).
  void runDueTimers();

  void requestQuit() { quit_ = true; }
  bool quitRequested() const { return quit_; }

  // A termination signal (or a test standing in for one) asks the program to
  // end: the handler given to onTermination runs first, once; then the loop
  // quits.
  void terminate();
  void onTermination(Callback handler) { onTermination_ = std::move(handler); }

  // Tests replace the clock.
  void setClock(std::function<Clock::time_point()> now) { now_ = std::move(now); }
  Clock::time_point now() const { return now_(); }

 private:
  struct Timer {
    std::chrono::milliseconds interval;
    Clock::time_point due;
    Callback tick;
  };
  void drainSignals();

  std::map<int, Timer> timers_;
  int nextTimerId_ = 1;
  std::map<int, Callback> watched_;
  std::map<int, Callback> signalHandlers_;
  std::function<Clock::time_point()> now_;
  Callback onTermination_;
  bool quit_ = false;
  bool terminated_ = false;
};

}  // namespace tarn
