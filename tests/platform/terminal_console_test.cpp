#include "platform/terminal_console.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <cstring>
#include <thread>

#include "fake_terminal.h"
#include "platform/vk.h"
#include "record_text.h"

namespace tarn {
namespace {

using namespace std::chrono_literals;
using testing::FakeTerminal;
using testing::recordText;

constexpr std::string_view kUndoLegacy =
    "\x1b[>4m\x1b>\x1b[?2004l\x1b[?1004l\x1b[?1006l\x1b[?1002l\x1b[?1000l"
    "\x1b[0 q\x1b[0m\x1b[?25h\x1b[?1049l\x1b[23;0t";

TerminalConsole::Options on(const FakeTerminal& terminal) {
  TerminalConsole::Options o;
  o.input = o.output = terminal.slave();
  o.answerTimeout = 200ms;
  o.resizeTimeout = 100ms;
  return o;
}

bool sameSettings(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
         a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

// Asks the terminal's keyboard protocol, as the first wait for a key does,
// and runs the loop until the answers have been taken.
void settle(TerminalConsole& console, EventLoop& loop) {
  console.askKeyboardProtocol();
  auto end = std::chrono::steady_clock::now() + 2s;
  while (console.negotiating() && std::chrono::steady_clock::now() < end) loop.runOnce(20ms);
}

std::string next(TerminalConsole& console, EventLoop& loop) {
  if (!console.waitInput(loop)) return "end";
  InputRecord r;
  console.readInput(r);
  return recordText(r);
}

TEST(TerminalConsole, SilentTerminalGetsLegacyModesWithoutWaiting) {
  FakeTerminal terminal({.answers = false});
  termios before{};
  tcgetattr(terminal.slave(), &before);
  EventLoop loop;
  auto start = std::chrono::steady_clock::now();
  {
    TerminalConsole console(loop, on(terminal));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 100ms);
    EXPECT_EQ(console.kittyFlags(), 0);
    EXPECT_TRUE(terminal.waitFor("\x1b[>4;2m\x1b="));
    std::string set = terminal.output();
    EXPECT_NE(set.find("\x1b[22;0t\x1b[?1049h\x1b[?1000h\x1b[?1002h\x1b[?1006h\x1b[?1004h\x1b[?2004h"),
              std::string::npos);
    termios raw{};
    tcgetattr(terminal.slave(), &raw);
    EXPECT_EQ(raw.c_lflag & (ECHO | ICANON | ISIG | IEXTEN), 0u);
    EXPECT_EQ(raw.c_iflag & (IXON | ICRNL), 0u);
    EXPECT_EQ(raw.c_oflag & OPOST, 0u);
    terminal.forget();
  }
  EXPECT_TRUE(terminal.waitFor(kUndoLegacy));
  termios after{};
  tcgetattr(terminal.slave(), &after);
  EXPECT_TRUE(sameSettings(before, after));
}

// A run that reads no key (function strings that end the editor) asks the
// terminal nothing, so that its end waits for no answer.
TEST(TerminalConsole, TheKeyboardProtocolIsAskedAtTheFirstWaitForAKey) {
  FakeTerminal terminal({.kitty = true});
  EventLoop loop;
  TerminalConsole console(loop, on(terminal));
  console.clear(0x07);
  console.flush();
  console.pollInput();
  EXPECT_TRUE(terminal.waitFor("\x1b[>4;2m\x1b="));
  EXPECT_EQ(terminal.output().find("\x1b[c"), std::string::npos);
  EXPECT_FALSE(console.negotiating());
  terminal.type("x");
  EXPECT_EQ(next(console, loop), "key+ vk=58 ch=78 st=0020");
  EXPECT_TRUE(terminal.waitFor("\x1b[?u\x1b[c"));
  settle(console, loop);
  EXPECT_EQ(console.kittyFlags(), 31);
}

TEST(TerminalConsole, KittyFlagsArePushedCheckedAndPopped) {
  struct Case {
    int taken;
    const char* limit;
    int expected;
  };
  for (Case c : {Case{31, nullptr, 31}, Case{7, nullptr, 7}, Case{31, "3", 3}, Case{31, "0", 0},
                 Case{31, "junk", 31}}) {
    if (c.limit) setenv("TARN_KITTY_FLAGS", c.limit, 1);
    FakeTerminal terminal({.kitty = true, .kittyFlagsTaken = c.taken});
    EventLoop loop;
    {
      TerminalConsole console(loop, on(terminal));
      settle(console, loop);
      EXPECT_EQ(console.kittyFlags(), c.expected) << c.taken << " " << (c.limit ? c.limit : "");
      terminal.forget();
    }
    unsetenv("TARN_KITTY_FLAGS");
    std::string undo = std::string(c.expected ? "\x1b[<u" : "") + std::string(kUndoLegacy);
    EXPECT_TRUE(terminal.waitFor(undo)) << c.expected;
  }
}

TEST(TerminalConsole, InputRecordsSizeChangesAndQuitting) {
  FakeTerminal terminal({});
  EventLoop loop;
  TerminalConsole console(loop, on(terminal));
  terminal.type("\x1b[1;5A");
  EXPECT_EQ(next(console, loop), "key+ vk=26 ch=00 st=0128");
  terminal.type("\x1b");  // a lone Esc needs the timeout
  EXPECT_EQ(next(console, loop), "key+ vk=1B ch=1B st=0020");
  terminal.type("\x1b[<0;3;2M\x1b[<0;3;2m\x1b[<0;3;2M");
  EXPECT_EQ(next(console, loop), "mouse 2,1 b=00000001 f=0 st=0020");
  EXPECT_EQ(next(console, loop), "mouse 2,1 b=00000000 f=0 st=0020");
  EXPECT_EQ(next(console, loop), "mouse 2,1 b=00000001 f=2 st=0020");

  terminal.setSize(100, 30);
  raise(SIGWINCH);
  EXPECT_EQ(next(console, loop), "size 100x30");
  EXPECT_EQ(console.size(), (ConsoleSize{100, 30}));

  raise(SIGTERM);
  EXPECT_EQ(next(console, loop), "end");
}

// The decoder's waits count time in which no byte came, not time in which
// the editor was busy; a paste without its end marker ends after its quiet
// interval, and a lone Esc in it is the Esc key.
TEST(TerminalConsole, WaitsCountQuietTimeAndUnfinishedPastesEnd) {
  FakeTerminal terminal({});
  EventLoop loop;
  TerminalConsole::Options options = on(terminal);
  options.pasteQuiet = 100ms;
  TerminalConsole console(loop, options);
  settle(console, loop);

  terminal.type("\x1b");
  std::this_thread::sleep_for(10ms);
  console.pollInput();  // the Esc is read and waits for the rest
  std::this_thread::sleep_for(100ms);  // busy meanwhile
  terminal.type("[A");
  std::this_thread::sleep_for(10ms);
  EXPECT_EQ(next(console, loop), "key+ vk=26 ch=00 st=0120") << "the rest came before anyone looked";

  terminal.type("\x1b");
  std::this_thread::sleep_for(10ms);
  console.pollInput();
  EXPECT_FALSE(console.hasInput());
  std::this_thread::sleep_for(60ms);
  console.pollInput();
  EXPECT_EQ(next(console, loop), "key+ vk=1B ch=1B st=0020") << "polling passes the Esc timeout";

  terminal.type("\x1b[200~a\x1b");
  EXPECT_EQ(next(console, loop), "key+ vk=00 ch=61 st=0020");
  auto before = std::chrono::steady_clock::now();
  EXPECT_EQ(next(console, loop), "key+ vk=1B ch=1B st=0020") << "Esc in a paste that does not end";
  EXPECT_GE(std::chrono::steady_clock::now() - before, 90ms);

  terminal.type("\x1b[200~b");
  EXPECT_EQ(next(console, loop), "key+ vk=00 ch=62 st=0020");
  std::thread later([&] {
    std::this_thread::sleep_for(200ms);
    terminal.type("c");
  });
  EXPECT_EQ(next(console, loop), "key+ vk=43 ch=63 st=0020") << "after the quiet interval bytes are keys";
  later.join();
}

TEST(TerminalConsole, AHangUpEndsTheWaitAsATerminationSignalDoes) {
  FakeTerminal terminal({});
  EventLoop loop;
  bool terminated = false;
  loop.onTermination([&] { terminated = true; });
  TerminalConsole console(loop, on(terminal));
  terminal.type("x");
  EXPECT_EQ(next(console, loop), "key+ vk=58 ch=78 st=0020");
  EXPECT_FALSE(terminated);
  terminal.hangUp();
  EXPECT_EQ(next(console, loop), "end");
  EXPECT_TRUE(terminated) << "so that unsaved changes are kept";
}

TEST(TerminalConsole, DrawsThroughTheCodePage) {
  FakeTerminal terminal({});
  EventLoop loop;
  TerminalConsole console(loop, on(terminal));
  console.clear(0x07);
  console.flush();
  terminal.forget();
  console.write(0, 0, "Hi\x82", 0x1F);
  console.writeFrame(3, 0, "\xC9", 0x1F);
  console.flush();
  EXPECT_TRUE(terminal.waitFor("\x1b[97;44mHi\xc3\xa9\xe2\x95\x94"));
  console.setCodePage(1252);
  EXPECT_EQ(console.codePage(), 1252);
  console.setCodePage(12345);
  EXPECT_EQ(console.codePage(), 1252);
  console.write(0, 1, "\x80\xC9", 0x07);
  console.writeFrame(2, 1, "\xC9", 0x07);
  console.flush();
  EXPECT_TRUE(terminal.waitFor("\xe2\x82\xac\xc3\x89\xe2\x95\x94"));
}

TEST(TerminalConsole, SuspendHandsTheTerminalBackAndResumeRepaints) {
  FakeTerminal terminal({});
  termios before{};
  tcgetattr(terminal.slave(), &before);
  EventLoop loop;
  TerminalConsole console(loop, on(terminal));
  console.write(0, 0, "abc", 0x07);
  console.flush();
  terminal.forget();
  console.suspend();
  EXPECT_TRUE(terminal.waitFor(kUndoLegacy));
  termios during{};
  tcgetattr(terminal.slave(), &during);
  EXPECT_TRUE(sameSettings(before, during));
  terminal.forget();
  console.resume();
  console.flush();
  EXPECT_TRUE(terminal.waitFor("\x1b[?1049h"));
  EXPECT_TRUE(terminal.waitFor("abc"));  // everything is sent again
}

TEST(TerminalConsole, ResizeAsksAndReportsWhetherTheTerminalObeyed) {
  {
    FakeTerminal terminal({.resizes = true});
    EventLoop loop;
    TerminalConsole console(loop, on(terminal));
    EXPECT_TRUE(console.resize({100, 40}));
    EXPECT_EQ(console.size(), (ConsoleSize{100, 40}));
    EXPECT_FALSE(console.resize({2000, 40}));
  }
  {
    FakeTerminal terminal({.resizes = true, .widest = 120});
    EventLoop loop;
    TerminalConsole console(loop, on(terminal));
    EXPECT_FALSE(console.resize({200, 40}));
    EXPECT_EQ(console.size(), (ConsoleSize{120, 40})) << "the size it took instead";
  }
  {
    FakeTerminal terminal({.resizes = false});
    EventLoop loop;
    TerminalConsole console(loop, on(terminal));
    EXPECT_FALSE(console.resize({100, 40}));
    EXPECT_EQ(console.size(), (ConsoleSize{80, 24}));
  }
}

// A program that dies of a fatal signal or std::terminate leaves the
// terminal as it found it.
TEST(TerminalConsole, FatalEndsRestoreTheTerminal) {
  enum class End { Segv, Abort, Terminate };
  for (End end : {End::Segv, End::Abort, End::Terminate}) {
    FakeTerminal terminal({});
    termios before{};
    tcgetattr(terminal.slave(), &before);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      EventLoop loop;
      TerminalConsole console(loop, on(terminal));
      switch (end) {
        case End::Segv: raise(SIGSEGV); break;
        case End::Abort: std::abort();
        case End::Terminate: std::terminate();
      }
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << static_cast<int>(end);
    EXPECT_TRUE(terminal.waitFor(kUndoLegacy)) << static_cast<int>(end);
    termios after{};
    tcgetattr(terminal.slave(), &after);
    EXPECT_TRUE(sameSettings(before, after)) << static_cast<int>(end);
  }
}

}  // namespace
}  // namespace tarn
