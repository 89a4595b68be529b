#include "core/reentry.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(Reentry, AHostCalledBackIsHeldWhileTheEditorRunsItsRequest) {
  EventLoop loop;
  EventLoop::Source host = loop.newSource();
  EventLoop::Source other = loop.newSource();
  {
    BusyScope call(loop, host);
    EXPECT_TRUE(loop.serves(host));
    EXPECT_FALSE(loop.serves(other));
    EXPECT_FALSE(loop.serves(EventLoop::kBackground));
    {
      BusyScope function(loop);  // the function the host asked for
      EXPECT_FALSE(loop.serves(host));
      EXPECT_TRUE(loop.serves(EventLoop::kTerminal));
    }
    EXPECT_TRUE(loop.serves(host));
  }
  EXPECT_TRUE(loop.serves(EventLoop::kBackground));
  EXPECT_TRUE(loop.serves(other));
}

}  // namespace
}  // namespace tarn
