#include "platform/event_loop.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

namespace tarn {
namespace {

TEST(EventLoop, TimersFireOnTheInjectedClock) {
  EventLoop loop;
  auto t = EventLoop::Clock::time_point{};
  loop.setClock([&] { return t; });
  int ticks = 0;
  int id = loop.addTimer(std::chrono::seconds(1), [&] { ++ticks; });
  loop.runDueTimers();
  EXPECT_EQ(ticks, 0);
  t += std::chrono::milliseconds(1000);
  loop.runDueTimers();
  EXPECT_EQ(ticks, 1);
  loop.removeTimer(id);
  t += std::chrono::seconds(5);
  loop.runDueTimers();
  EXPECT_EQ(ticks, 1);
}

TEST(EventLoop, SignalWakesTheWaitAndRunsOnTheLoop) {
  EventLoop loop;
  int seen = 0;
  loop.onSignal(SIGUSR1, [&] { ++seen; });
  raise(SIGUSR1);
  EXPECT_EQ(seen, 0);  // nothing runs inside the handler
  loop.runOnce(std::chrono::milliseconds(1000));
  EXPECT_EQ(seen, 1);
}

TEST(EventLoop, RemovedSignalHandlerNoLongerRuns) {
  EventLoop loop;
  int seen = 0;
  loop.onSignal(SIGWINCH, [&] { ++seen; });  // ignored by default, so safe to raise afterwards
  raise(SIGWINCH);
  loop.removeSignal(SIGWINCH);
  raise(SIGWINCH);
  loop.runOnce(std::chrono::milliseconds(0));
  EXPECT_EQ(seen, 0);
}

TEST(EventLoop, TerminationRunsItsHandlerOnceThenQuits) {
  EventLoop loop;
  int runs = 0;
  loop.onTermination([&] {
    EXPECT_FALSE(loop.quitRequested()) << "the handler comes first";
    ++runs;
  });
  loop.terminate();
  loop.terminate();
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(loop.quitRequested());
}

TEST(EventLoop, ReadableDescriptorRunsItsCallback) {
  EventLoop loop;
  int p[2];
  ASSERT_EQ(pipe(p), 0);
  int reads = 0;
  loop.watch(p[0], [&] {
    char b;
    ASSERT_EQ(read(p[0], &b, 1), 1);
    ++reads;
  });
  ASSERT_EQ(write(p[1], "x", 1), 1);
  loop.runOnce(std::chrono::milliseconds(1000));
  EXPECT_EQ(reads, 1);
  close(p[0]);
  close(p[1]);
}

}  // namespace
}  // namespace tarn
