// A function that prompts reads the terminal alone: what else falls due
// meanwhile waits for the function to end.
#include "edit_fixture.h"

namespace tarn {
namespace {

using namespace std::chrono_literals;

TEST(Reentry, ATimerDueDuringAPromptRunsAfterTheFunction) {
  EditFixture f({"ab"});
  auto t = EventLoop::Clock::time_point{};
  f.loop.setClock([&] { return t; });
  int ticks = 0;
  f.loop.addTimer(1s, [&] { ++ticks; });  // a background timer, as autosave's
  int ticksWhilePrompting = -1;
  // The bookmark letter is typed while the prompt waits, the timer due.
  f.loop.addTimer(
      1s,
      [&] {
        ticksWhilePrompting = ticks;
        f.console.queue(InputRecord::keyEvent('A', 'a'));
      },
      EventLoop::kTerminal);
  t += 1s;
  f.place({1, 1});
  EXPECT_EQ(f.send(fn::kBookmarkSet), 1);
  EXPECT_EQ(ticksWhilePrompting, 0);
  EXPECT_EQ(ticks, 0);
  EXPECT_TRUE(f.doc->bookmarks[0].isSet());
  f.loop.runDueTimers();  // the editor is idle again
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace tarn
