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

TEST(EventLoop, SourcesNotAdmittedWaitUntilTheyAre) {
  EventLoop loop;
  auto t = EventLoop::Clock::time_point{};
  loop.setClock([&] { return t; });
  int background = 0, terminal = 0, host = 0;
  EventLoop::Source peer = loop.newSource();
  loop.addTimer(std::chrono::seconds(1), [&] { ++background; });
  loop.addTimer(std::chrono::seconds(1), [&] { ++terminal; }, EventLoop::kTerminal);
  int p[2];
  ASSERT_EQ(pipe(p), 0);
  loop.watch(p[0], [&] {
    char b;
    ASSERT_EQ(read(p[0], &b, 1), 1);
    ++host;
  }, peer);
  ASSERT_EQ(write(p[1], "x", 1), 1);
  t += std::chrono::seconds(1);

  loop.admit(EventLoop::kTerminal);
  loop.runOnce(std::chrono::milliseconds(0));  // the pipe is readable, the timers due
  EXPECT_EQ(terminal, 1);
  EXPECT_EQ(background, 0);
  EXPECT_EQ(host, 0);

  loop.admit(peer);
  loop.runOnce(std::chrono::milliseconds(0));
  EXPECT_EQ(host, 1);
  EXPECT_EQ(background, 0);

  loop.admit(EventLoop::kEverySource);
  loop.runDueTimers();
  EXPECT_EQ(background, 1) << "a held timer runs once it is admitted";
  close(p[0]);
  close(p[1]);
}

}  // namespace
}  // namespace tarn
