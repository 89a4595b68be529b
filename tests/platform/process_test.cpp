// Shell commands run in the editor's terminal: their exit status comes back,
// and Ctrl+C or Ctrl+\ typed meanwhile is theirs alone.
#include "platform/process.h"

#include <gtest/gtest.h>
#include <signal.h>

namespace tarn {
namespace {

TEST(ShellCommand, TellsHowTheCommandEnded) {
  struct Case {
    const char* command;
    int status;
  };
  const Case cases[] = {
      {"exit 0", 0},
      {"exit 3", 3},
      {"no-such-program-anywhere 2>/dev/null", 127},
      // Ended by Ctrl+C: it ran, so it is no failure to start.
      {"kill -INT $$", 128 + SIGINT},
  };
  for (const Case& c : cases) EXPECT_EQ(runShellCommand(c.command), c.status) << c.command;
}

TEST(ShellCommand, InterruptsWhileItRunsAreNotTheEditors) {
  // The terminal sends them to its whole foreground group, the editor too.
  EXPECT_EQ(runShellCommand("kill -INT $PPID; kill -QUIT $PPID"), 0);
  struct sigaction now {};
  sigaction(SIGINT, nullptr, &now);
  EXPECT_EQ(now.sa_handler, SIG_DFL) << "put back once the command ended";
}

}  // namespace
}  // namespace tarn
