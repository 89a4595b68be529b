// No re-entry. While an editing function runs, prompts inside it included
// (a bookmark letter, a question, the line reader), the event loop serves
// the terminal alone: timers such as autosave and automation requests are
// held and served once the function has returned, so nothing changes a
// document under a function that is working on it. Inside an outgoing call
// to a script host, only calls from that host are served: the host may call
// back into the editor to finish what it was asked, and no one else may.
//
// The editor is idle, and everything is served, only while the main loop
// waits for the next key.
#pragma once
#include "platform/event_loop.h"

namespace tarn {

// Holds what the loop must not serve while the editor is busy. Scopes
// nest; each restores what was admitted before it.
class BusyScope {
 public:
  // An editing function runs: the terminal alone is served.
  explicit BusyScope(EventLoop& loop) : BusyScope(loop, EventLoop::kTerminal) {}
  // An outgoing call to the script host whose calls come from host.
  BusyScope(EventLoop& loop, EventLoop::Source host) : loop_(loop), saved_(loop.admitted()) {
    loop.admit(host);
  }
  ~BusyScope() { loop_.admit(saved_); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  EventLoop& loop_;
  EventLoop::Source saved_;
};

}  // namespace tarn
