// The clipboard's ways short of X11: the order they are tried in, the
// Wayland programs (stand-ins on PATH record what they are given), the
// terminal's sequence and the editor's own store.
#include "platform/clipboard.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fake_terminal.h"
#include "platform/base64.h"
#include "platform/event_loop.h"
#include "platform/memory_console.h"
#include "platform/piped_program.h"
#include "platform/terminal_console.h"

namespace tarn {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Sets environment variables for one test and puts the old values back.
class Environment {
 public:
  void set(const char* name, const std::string& value) {
    remember(name);
    setenv(name, value.c_str(), 1);
  }
  void unset(const char* name) {
    remember(name);
    unsetenv(name);
  }
  ~Environment() {
    for (auto& [name, value] : saved_) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
  }

 private:
  void remember(const char* name) {
    const char* old = getenv(name);
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

std::string contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ClipboardWays : public ::testing::Test {
 protected:
  void SetUp() override {
    env.unset("DISPLAY");
    env.unset("WAYLAND_DISPLAY");
    dir = fs::temp_directory_path() / ("tarn-clip-" + std::to_string(getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  // A stand-in program on PATH: a shell script.
  void program(const std::string& name, const std::string& script) {
    fs::path p = dir / name;
    std::ofstream(p) << "#!/bin/sh\n" << script << "\n";
    chmod(p.c_str(), 0755);
    env.set("PATH", dir.string() + ":" + getenv("PATH"));
  }

  Environment env;
  fs::path dir;
  EventLoop loop;
  MemoryConsole console;
};

TEST_F(ClipboardWays, OwnStoreServesWhenNoWayWorks) {
  // A display that cannot be reached falls through like none at all.
  for (const char* display : {"", ":4097"}) {
    if (*display) env.set("DISPLAY", display);
    Clipboard clipboard(loop, console);
    EXPECT_EQ(clipboard.read(ClipFormat::Text), "");
    clipboard.copy({"one\r\ntwo", "<html>one</html>", ""});
    EXPECT_EQ(clipboard.read(ClipFormat::Text), "one\r\ntwo") << display;
    EXPECT_EQ(clipboard.read(ClipFormat::Html), "<html>one</html>");
    EXPECT_EQ(clipboard.read(ClipFormat::Rtf), "");
    clipboard.copy({"new", "", ""});  // a copy replaces every form
    EXPECT_EQ(clipboard.read(ClipFormat::Html), "");
  }
}

TEST_F(ClipboardWays, WaylandProgramsGetTheTextOnAPipe) {
  env.set("WAYLAND_DISPLAY", "wayland-test");
  program("wl-copy", "printf '%s|' \"$@\" > \"" + (dir / "args").string() + "\"; cat > \"" +
                         (dir / "copied").string() + "\"");
  program("wl-paste", "printf '%s|' \"$@\" > \"" + (dir / "paste-args").string() + "\"; printf 'from wayland'");
  Clipboard clipboard(loop, console);
  clipboard.copy({"it's \"quoted\"; $(not run)\n", "", ""});
  EXPECT_EQ(contents(dir / "copied"), "it's \"quoted\"; $(not run)\n");
  EXPECT_EQ(contents(dir / "args"), "--type|text/plain;charset=utf-8|");
  EXPECT_EQ(clipboard.read(ClipFormat::Text), "from wayland");
  EXPECT_EQ(contents(dir / "paste-args"), "--no-newline|--type|text|");
  EXPECT_EQ(clipboard.read(ClipFormat::Html), "from wayland");
  EXPECT_EQ(contents(dir / "paste-args"), "--no-newline|--type|text/html|");
}

TEST_F(ClipboardWays, FailingWaylandProgramsFallThrough) {
  env.set("WAYLAND_DISPLAY", "wayland-test");
  program("wl-copy", "exit 1");
  program("wl-paste", "echo 'No selection' >&2; exit 1");
  Clipboard clipboard(loop, console);
  clipboard.copy({"kept by the editor", "", ""});
  EXPECT_EQ(clipboard.read(ClipFormat::Text), "kept by the editor");
}

TEST(PipedProgram, SlowProgramsAreStoppedAndMissingOnesReported) {
  PipedRun run;
  run.timeout = 200ms;
  auto start = std::chrono::steady_clock::now();
  auto slow = runPiped({"sleep", "10"}, run);
  ASSERT_TRUE(slow);
  EXPECT_EQ(slow->status, -1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
  EXPECT_FALSE(runPiped({"no-such-program-anywhere"}, run));
  // A program that stops reading early does not take the editor down.
  std::string lots(1 << 20, 'x');
  run.input = lots;
  run.timeout = 2s;
  auto early = runPiped({"true"}, run);
  ASSERT_TRUE(early);
  EXPECT_EQ(early->status, 0);
}

TEST(TerminalClipboard, CopyIsTheOsc52Sequence) {
  EXPECT_EQ(base64Encode(""), "");
  EXPECT_EQ(base64Encode("a"), "YQ==");
  EXPECT_EQ(base64Encode("ab"), "YWI=");
  EXPECT_EQ(base64Encode("abc\xff"), "YWJj/w==");

  testing::FakeTerminal terminal({.answers = false});
  EventLoop loop;
  TerminalConsole::Options o;
  o.input = o.output = terminal.slave();
  TerminalConsole console(loop, o);
  EXPECT_TRUE(console.setTerminalClipboard("héllo"));
  EXPECT_TRUE(terminal.waitFor("\x1b]52;c;aMOpbGxv\x1b\\"));
  // Terminals take no more than about a megabyte.
  EXPECT_FALSE(console.setTerminalClipboard(std::string(1 << 20, 'x')));
  console.suspend();
  EXPECT_FALSE(console.setTerminalClipboard("while a program has the terminal"));
  console.resume();
}

}  // namespace
}  // namespace tarn
