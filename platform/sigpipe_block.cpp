#include "platform/sigpipe_block.h"

#include <time.h>

namespace tarn {

namespace {
sigset_t pipeSignal() {
  sigset_t pipe;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  return pipe;
}
}  // namespace

SigpipeBlock::SigpipeBlock() {
  const sigset_t pipe = pipeSignal();
  sigprocmask(SIG_BLOCK, &pipe, &saved_);
  wasBlocked_ = sigismember(&saved_, SIGPIPE) == 1;
}

SigpipeBlock::~SigpipeBlock() {
  if (wasBlocked_) return;
  // A SIGPIPE raised meanwhile is taken here, so that it does not strike
  // once the signal is let through again.
  const sigset_t pipe = pipeSignal();
  timespec none{0, 0};
  while (sigtimedwait(&pipe, nullptr, &none) == SIGPIPE) {
  }
  sigprocmask(SIG_SETMASK, &saved_, nullptr);
}

}  // namespace tarn
