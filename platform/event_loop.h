// The one wait of the editor: terminal input, sockets, timers and signals.
// Signal handlers only note the signal and wake the wait; callbacks run on
// the editor's thread, inside runOnce.
//
// Every timer and watched descriptor belongs to a source. The terminal and
// the signals are always served; any other source only while the loop
// admits it, and what is not admitted waits, due or readable, until it is.
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
  using Source = int;

  static constexpr Source kTerminal = 0;
  static constexpr Source kBackground = 1;  // timers of the editor's own (autosave)
  // Admitted: every source.
  static constexpr Source kEverySource = -1;

  EventLoop();
  ~EventLoop();
  EventLoop(const EventLoop&) = delete;
  EventLoop& operator=(const EventLoop&) = delete;

  // A repeating timer; returns its id.
  int addTimer(std::chrono::milliseconds interval, Callback tick, Source source = kBackground);
  void removeTimer(int id);

  void watch(int fd, Callback onReadable, Source source = kTerminal);
  void unwatch(int fd);

  // A source of its own for a peer (a script host, an automation client).
  Source newSource() { return nextSource_++; }
  // kEverySource, kTerminal (the terminal alone) or one source beside the terminal.
  void admit(Source source) { admitted_ = source; }
  Source admitted() const { return admitted_; }
  bool serves(Source source) const {
    return source == kTerminal || admitted_ == kEverySource || source == admitted_;
  }

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

  // Runs the admitted timers that are due without waiting (tests drive time with it).
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
    Source source;
  };
  struct Watch {
    Callback onReadable;
    Source source;
  };
  void drainSignals();

  std::map<int, Timer> timers_;
  int nextTimerId_ = 1;
  std::map<int, Watch> watched_;
  Source nextSource_ = kBackground + 1;
  Source admitted_ = kEverySource;
  std::map<int, Callback> signalHandlers_;
  std::function<Clock::time_point()> now_;
  Callback onTermination_;
  bool quit_ = false;
  bool terminated_ = false;
};

}  // namespace tarn
