// End-to-end runs of TerminalConsole in a real terminal (tmux): keys typed
// in the pane arrive as the right records, the picture shows in its
// colours, and however the program ends the terminal is left as it was.
#include <gtest/gtest.h>
#include <signal.h>

#include <fstream>
#include <regex>

#include "tmux_session.h"

namespace tarn {
namespace {

using testing::TmuxSession;
using Lines = std::vector<std::string>;

class TerminalInTmux : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!TmuxSession::available()) GTEST_SKIP() << "tmux is not installed";
    session_ = std::make_unique<TmuxSession>();
    ASSERT_TRUE(session_->ready()) << "the probe did not start: " << session_->tmux("capture-pane -p -t t");
  }

  // The pane's terminal settings and modes after the probe ended must be
  // those from before it started.
  void expectRestored() {
    ASSERT_TRUE(session_->waitForExit());
    // The window size may differ on purpose; everything else must be the same.
    std::regex size("rows \\d+; columns \\d+;");
    EXPECT_EQ(std::regex_replace(session_->file("after"), size, ""),
              std::regex_replace(session_->file("before"), size, ""));
    EXPECT_EQ(session_->tmux("display -p -t t '#{alternate_on} #{keypad_flag} #{keypad_cursor_flag} "
                             "#{mouse_any_flag} #{mouse_button_flag} #{mouse_sgr_flag} #{mouse_standard_flag}'"),
              "0 0 0 0 0 0 0\n");
  }

  std::unique_ptr<TmuxSession> session_;
};

TEST_F(TerminalInTmux, KeysArriveAsRecords) {
  struct Case {
    const char* keys;  // send-keys arguments
    Lines records;
  };
  const std::string menuUp = "key- vk=12 ch=00 st=0020";
  const std::vector<Case> cases = {
      {"Up", {"key+ vk=26 ch=00 st=0120"}},
      {"C-Up", {"key+ vk=26 ch=00 st=0128"}},
      {"S-F5", {"key+ vk=74 ch=00 st=0030"}},
      {"F1", {"key+ vk=70 ch=00 st=0020"}},
      {"Home", {"key+ vk=24 ch=00 st=0120"}},
      {"M-x", {"key+ vk=58 ch=78 st=0022"}},
      {"C-a", {"key+ vk=41 ch=01 st=0028"}},
      {"C-S-a", {"key+ vk=41 ch=01 st=0038"}},
      {"C-c C-z C-s",
       {"key+ vk=43 ch=03 st=0028", "key+ vk=5A ch=1A st=0028", "key+ vk=53 ch=13 st=0028"}},
      {"C-Enter", {"key+ vk=0D ch=0A st=0028"}},
      {"M-Enter", {"key+ vk=0D ch=0D st=0022"}},
      {"BTab", {"key+ vk=09 ch=09 st=0030"}},
      {"C-BSpace", {"key+ vk=08 ch=7F st=0028"}},
      {"KP1", {"key+ vk=61 ch=31 st=0020"}},
      {"KPEnter", {"key+ vk=0D ch=0D st=0120"}},
      {"M-KP6 M-KP5 x", {"key+ vk=66 ch=36 st=0022", "key+ vk=65 ch=35 st=0022", menuUp,
                         "key+ vk=58 ch=78 st=0020"}},
      {"Escape", {"key+ vk=1B ch=1B st=0020"}},
      {"Escape a", {"key+ vk=41 ch=61 st=0022"}},
      {"-l 'héllo'",
       {"key+ vk=48 ch=68 st=0020", "key+ vk=00 ch=82 st=0020", "key+ vk=4C ch=6C st=0020",
        "key+ vk=4C ch=6C st=0020", "key+ vk=4F ch=6F st=0020"}},
      {"-H 1b 5b 3c 30 3b 31 30 3b 35 4d 1b 5b 3c 30 3b 31 30 3b 35 6d",
       {"mouse 9,4 b=00000001 f=0 st=0020", "mouse 9,4 b=00000000 f=0 st=0020"}},
      {"-H 1b 5b 3c 36 35 3b 35 3b 33 4d", {"mouse 4,2 b=FF880000 f=4 st=0020"}},
      {"-H 1b 5b 49", {"focus 1"}},
      {"-H 1b 5b 39 37 3b 35 75", {"key+ vk=41 ch=01 st=0028"}},  // kitty form, whatever was negotiated
  };
  for (const Case& c : cases) EXPECT_EQ(session_->send(c.keys, c.records.size()), c.records) << c.keys;

  std::ofstream(session_->dir() + "/paste.txt") << "ab\ncd";
  size_t before = session_->log().size();
  session_->tmux("load-buffer -b p '" + session_->dir() + "/paste.txt' \\; paste-buffer -p -d -b p -t t");
  EXPECT_EQ(session_->newLines(before, 5),
            (Lines{"key+ vk=00 ch=61 st=0020", "key+ vk=00 ch=62 st=0020", "key+ vk=00 ch=0D st=0020",
                   "key+ vk=00 ch=63 st=0020", "key+ vk=00 ch=64 st=0020"}));

  before = session_->log().size();
  session_->tmux("resize-window -t t -x 100 -y 30");
  EXPECT_EQ(session_->newLines(before, 1), (Lines{"size 100x30"}));

  EXPECT_EQ(session_->send("F10", 2), (Lines{"key+ vk=79 ch=00 st=0020", "quit"}));
  expectRestored();
  EXPECT_EQ(session_->file("status"), "0\n");
}

TEST_F(TerminalInTmux, PictureShowsInItsColours) {
  std::string text = session_->tmux("capture-pane -p -t t");
  EXPECT_EQ(text.substr(0, text.find("\n\n")), "Tarn probe\n0123456789ABCDEF\n╔══╗\ncafé");
  std::string coloured = session_->tmux("capture-pane -p -e -t t");
  // Console blue (1) is ANSI 4 and console red (4) is ANSI 1; intensity picks 90-97.
  for (const char* sgr : {"\x1b[97m\x1b[44mTarn probe", "\x1b[34m1", "\x1b[31m4", "\x1b[90m8",
                          "\x1b[93m\x1b[41m╔"}) {
    EXPECT_NE(coloured.find(sgr), std::string::npos) << ::testing::PrintToString(std::string(sgr));
  }
  EXPECT_EQ(session_->tmux("display -p -t t '#{cursor_x},#{cursor_y} #{pane_title} #{alternate_on} "
                           "#{keypad_flag} #{mouse_sgr_flag} #{mouse_button_flag}'"),
            "2,5 Tarn probe 1 1 1 1\n");
  session_->send("F10", 2);
  expectRestored();
}

// SIGTERM, SIGHUP and SIGQUIT end the wait for input and the program ends
// normally; a fatal signal restores the terminal from its handler.
TEST_F(TerminalInTmux, SignalsLeaveTheTerminalAsItWas) {
  kill(session_->probePid(), SIGTERM);
  expectRestored();
  EXPECT_EQ(session_->log().back(), "end");
  EXPECT_EQ(session_->file("status"), "0\n");
}

TEST_F(TerminalInTmux, FatalSignalLeavesTheTerminalAsItWas) {
  kill(session_->probePid(), SIGSEGV);
  expectRestored();
  EXPECT_NE(session_->file("status"), "0\n");
}

TEST_F(TerminalInTmux, StackOverflowLeavesTheTerminalAsItWas) {
  session_->tmux("send-keys -t t F9");
  expectRestored();
  EXPECT_NE(session_->file("status"), "0\n");
}

}  // namespace
}  // namespace tarn
