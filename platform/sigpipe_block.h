// While it lives, writing to a pipe or socket whose reader is gone fails
// with EPIPE instead of ending the editor with SIGPIPE: for the moments the
// editor talks to other programs (clipboard helpers, the X server).
#pragma once
#include <signal.h>

namespace tarn {

class SigpipeBlock {
 public:
  SigpipeBlock();
  ~SigpipeBlock();
  SigpipeBlock(const SigpipeBlock&) = delete;
  SigpipeBlock& operator=(const SigpipeBlock&) = delete;

 private:
  sigset_t saved_;
  bool wasBlocked_ = false;
};

}  // namespace tarn
