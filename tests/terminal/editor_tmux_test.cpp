// The editor in a real terminal (tmux): it shows the file, takes keys, saves,
// follows the terminal's size and leaves the terminal as it found it.
#include <gtest/gtest.h>
#include <signal.h>

#include <fstream>
#include <regex>
#include <thread>

#include "tmux_session.h"

namespace tarn {
namespace {

using testing::TmuxSession;

class EditorInTmux : public ::testing::Test {
 protected:
  void start(const std::string& args, int columns = 80, int rows = 24) {
    startAfter("", args, columns, rows);
    if (IsSkipped() || HasFatalFailure()) return;
    ASSERT_TRUE(screenShows("Bottom of file")) << session_->screen();
  }

  // Starts the editor once the shell ran setup (in the session's directory).
  void startAfter(const std::string& setup, const std::string& args, int columns = 80, int rows = 24) {
    if (!TmuxSession::available()) GTEST_SKIP() << "tmux is not installed";
    // An empty profile directory: the built-in profile alone.
    session_ = std::make_unique<TmuxSession>("mkdir -p profile && printf 'one\\ntwo\\n' > a.txt && " + setup +
                                                 editorCommand(args),
                                             columns, rows);
    ASSERT_TRUE(session_->ready());
  }

  static std::string editorCommand(const std::string& args) {
    return "'" + std::string(TARN_PROGRAM) + "' /p./profile/ " + args;
  }

  // Starts the editor again in the same directory (the pane's program has ended).
  void restart(const std::string& args) {
    session_->tmux("respawn-pane -k -t t \"cd '" + session_->dir() + "' && " + editorCommand(args) + "\"");
  }

  void typeText(const std::string& text) {
    session_->tmux("send-keys -t t -l '" + text + "'");
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
  }

  // One key at a time, as a person types: an Esc right before another key
  // would read as Alt with that key.
  void type(std::initializer_list<const char*> keys) {
    for (const char* key : keys) {
      session_->tmux(std::string("send-keys -t t ") + key);
      std::this_thread::sleep_for(std::chrono::milliseconds(80));
    }
  }

  bool screenShows(const std::string& text) {
    return TmuxSession::waitUntil([&] { return session_->screen().find(text) != std::string::npos; });
  }

  std::vector<std::string> rows() {
    std::vector<std::string> lines;
    std::istringstream in(session_->screen());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  void expectRestored() {
    ASSERT_TRUE(session_->waitForExit()) << session_->screen();
    std::regex size("rows \\d+; columns \\d+;");
    EXPECT_EQ(std::regex_replace(session_->file("after"), size, ""),
              std::regex_replace(session_->file("before"), size, ""));
    EXPECT_EQ(session_->tmux("display -p -t t '#{alternate_on} #{keypad_flag} #{mouse_any_flag} #{mouse_sgr_flag}'"),
              "0 0 0 0\n");
  }

  std::unique_ptr<TmuxSession> session_;
};

TEST_F(EditorInTmux, EditsSavesAndQuits) {
  start("a.txt");
  auto lines = rows();
  ASSERT_GE(lines.size(), 24u);
  EXPECT_EQ(lines[1], "one");
  EXPECT_EQ(lines[2], "two");
  EXPECT_NE(lines[23].find("Replace"), std::string::npos) << lines[23];
  // Esc leaves the command line; then down, type over, save and quit.
  type({"Escape", "Down", "X", "F2", "Enter"});
  ASSERT_TRUE(screenShows("Xne"));
  ASSERT_TRUE(TmuxSession::waitUntil([&] { return session_->file("a.txt") == "Xne\r\ntwo\r\n"; }))
      << session_->file("a.txt");
  type({"F4"});
  expectRestored();
  EXPECT_EQ(session_->file("status"), "0\n");
}

TEST_F(EditorInTmux, LayoutFollowsTheTerminalSize) {
  start("a.txt");
  session_->tmux("resize-window -t t -x 100 -y 30");
  ASSERT_TRUE(TmuxSession::waitUntil([&] {
    auto lines = rows();
    return lines.size() >= 30 && lines[29].size() == 100 && lines[29].ends_with("Replace");
  })) << session_->screen();
  session_->tmux("resize-window -t t -x 60 -y 12");
  ASSERT_TRUE(TmuxSession::waitUntil([&] {
    auto lines = rows();
    return lines.size() >= 12 && lines[11].ends_with("Replace") && lines[11].size() == 60;
  })) << session_->screen();
  type({"q", "u", "i", "t", "Enter"});  // the cursor starts on the command line
  expectRestored();
}

// A large paste is typed whole; a paste whose end marker never comes ends
// after a quiet interval, and keys work again; Esc in it is the Esc key.
TEST_F(EditorInTmux, PastesWholeAndUnfinishedPastesEnd) {
  start("a.txt");
  type({"Escape", "Down"});
  std::string pasted;
  for (int i = 0; pasted.size() < 200000; ++i) pasted += "pasted line " + std::to_string(i) + "\n";
  std::ofstream(session_->dir() + "/paste.txt") << pasted;
  session_->tmux("load-buffer -b p '" + session_->dir() + "/paste.txt' \\; paste-buffer -p -d -b p -t t");
  type({"F2", "Enter"});
  std::string expected;
  for (char c : pasted) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
  // Typed over "one" in replace mode; the last line end leaves an empty line.
  ASSERT_TRUE(TmuxSession::waitUntil([&] { return session_->file("a.txt") == expected + "\r\ntwo\r\n"; },
                                     std::chrono::seconds(20)))
      << session_->file("a.txt").size() << " bytes saved of " << expected.size() + 7;

  // The start of a paste and no end: after the quiet interval F2 saves again.
  session_->tmux("send-keys -t t -H 1b 5b 32 30 30 7e 61 62");
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  type({"F2", "Enter"});
  ASSERT_TRUE(TmuxSession::waitUntil([&] { return session_->file("a.txt").ends_with("\r\nab\r\ntwo\r\n"); }))
      << session_->screen();

  // Esc in a paste that does not end: the cursor goes to the command line.
  session_->tmux("send-keys -t t -H 1b 5b 32 30 30 7e 63 1b");
  ASSERT_TRUE(TmuxSession::waitUntil([&] { return session_->tmux("display -p -t t '#{cursor_y}'") == "22\n"; }))
      << session_->screen();
  type({"q", "u", "i", "t", "Enter", "y"});  // the pasted c is not saved
  expectRestored();
}

TEST_F(EditorInTmux, TerminalIsRestoredWhenKilled) {
  start("a.txt");
  int pid = session_->programPid();
  ASSERT_GT(pid, 0);
  kill(pid, SIGTERM);
  expectRestored();
  EXPECT_EQ(session_->file("status"), "0\n") << "nothing was unsaved";
  EXPECT_EQ(session_->file("a.txt.tarn-save"), "");
}

TEST_F(EditorInTmux, UnsavedChangesOutliveHangUpAndTermination) {
  for (int signo : {SIGHUP, SIGTERM}) {
    start("a.txt 2>farewell");
    type({"Escape", "Down", "X"});
    ASSERT_TRUE(screenShows("Xne"));
    kill(session_->programPid(), signo);
    expectRestored();
    EXPECT_EQ(session_->file("status"), "2\n") << signo;
    EXPECT_EQ(session_->file("a.txt"), "one\ntwo\n");
    EXPECT_EQ(session_->file("a.txt.tarn-save"), "Xne\r\ntwo\r\n");
    EXPECT_EQ(session_->file("farewell"), "tarn: Unsaved changes to \"" + session_->dir() + "/a.txt\" are in \"" +
                                              session_->dir() + "/a.txt.tarn-save\"\n");

    restart("a.txt");
    EXPECT_TRUE(screenShows("Earlier unsaved changes are in \"a.txt.tarn-save\""))
        << session_->screen();
  }
}

TEST_F(EditorInTmux, UnsavedChangesOutliveTheTerminal) {
  start("a.txt");
  type({"Escape", "Down", "X"});
  ASSERT_TRUE(screenShows("Xne"));
  session_->tmux("kill-server");
  EXPECT_TRUE(TmuxSession::waitUntil([&] { return session_->file("a.txt.tarn-save") == "Xne\r\ntwo\r\n"; }));
}

TEST_F(EditorInTmux, ASignalEndsALoopingFunctionString) {
  startAfter("", "\"'s oncommand off'\" a.txt \"[to]'x'{[left]}\"");
  ASSERT_TRUE(TmuxSession::waitUntil([&] { return session_->programPid() > 0; }));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  kill(session_->programPid(), SIGTERM);
  expectRestored();
  EXPECT_EQ(session_->file("status"), "2\n");
  EXPECT_EQ(session_->file("a.txt.tarn-save"), "xne\r\ntwo\r\n");
}

TEST_F(EditorInTmux, CtrlCBelongsToTheCommandThatRuns) {
  // With job control, as in a user's shell, Ctrl+C reaches the editor's
  // process group alone, not the shell that started it.
  startAfter("set -m && ", "a.txt");
  ASSERT_TRUE(screenShows("Bottom of file")) << session_->screen();
  // The cursor starts on the command line.
  typeText("system sleep 30");
  type({"Enter"});
  ASSERT_TRUE(TmuxSession::waitUntil([&] { return session_->tmux("display -p -t t '#{alternate_on}'") == "0\n"; }));
  type({"C-c"});
  ASSERT_TRUE(screenShows("Bottom of file")) << session_->screen();
  type({"Escape"});
  typeText("system echo done");
  type({"Enter"});
  ASSERT_TRUE(screenShows("Press Enter to return")) << session_->screen();
  type({"C-c"});
  ASSERT_TRUE(screenShows("Bottom of file")) << session_->screen();
  type({"Escape", "F4"});
  expectRestored();
  EXPECT_EQ(session_->file("status"), "0\n");
}

TEST_F(EditorInTmux, AFileSizeLimitFailsTheSaveNotTheEditor) {
  // ulimit -f counts blocks of 512 bytes: 8 of them are less than the file.
  startAfter("printf '%20000s' '' | tr ' ' z > big.txt && ulimit -f 8 && ", "big.txt");
  ASSERT_TRUE(screenShows("Bottom of file")) << session_->screen();
  type({"Escape", "Down", "X", "F2", "Enter"});
  ASSERT_TRUE(screenShows("Error writing file!")) << session_->screen();
  EXPECT_EQ(session_->file("big.txt"), std::string(20000, 'z'));
  type({"F4", "y"});
  expectRestored();
  EXPECT_EQ(session_->file("status"), "0\n");
}

// The prompts of a template come one after the other in the prompt box,
// over the text typed so far, and the answers are typed where they belong.
TEST_F(EditorInTmux, ATemplateAsksOnThePromptLineAndTypesTheAnswers) {
  startAfter("printf '%s\\n' \"d f5='Dear <%@input name%><%name%>, from <%city%>.'\" > profile/TARN.Pro && ",
             "\"'s oncommand off'\" a.txt \"[to]\"");
  ASSERT_TRUE(screenShows("Bottom of file")) << session_->screen();
  type({"F5"});
  ASSERT_TRUE(screenShows(" name ")) << session_->screen();
  EXPECT_TRUE(screenShows("Press ENTER to confirm or ESC to abandon input")) << session_->screen();
  EXPECT_TRUE(screenShows("Dear\ntwo")) << session_->screen();
  typeText("Bob");
  type({"Enter"});
  ASSERT_TRUE(screenShows(" city ")) << session_->screen();
  EXPECT_TRUE(screenShows("Dear Bob, from")) << session_->screen();
  typeText("Rome");
  type({"Enter"});
  ASSERT_TRUE(screenShows("Dear Bob, from Rome.")) << session_->screen();
  EXPECT_EQ(session_->screen().find("Press ENTER to confirm"), std::string::npos) << session_->screen();
  type({"F4", "y"});
  expectRestored();
}

}  // namespace
}  // namespace tarn
