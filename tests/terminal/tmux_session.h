// A private tmux server with one pane running a program between two
// `stty -a` snapshots, for end-to-end tests in a real terminal: by default
// console_probe (which logs what it reads), or any command.
#pragma once
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace tarn::testing {

class TmuxSession {
 public:
  static bool available();

  // Starts the server and the probe; ready() tells whether the probe came up.
  TmuxSession();
  // Runs a shell command in the session's directory in a pane of that size.
  TmuxSession(const std::string& command, int columns, int rows);
  ~TmuxSession();
  TmuxSession(const TmuxSession&) = delete;
  TmuxSession& operator=(const TmuxSession&) = delete;

  bool ready() const { return ready_; }
  // Runs a tmux command on this server (arguments as the shell reads them).
  std::string tmux(const std::string& arguments) const;
  // Sends keys to the pane and returns the next count records the probe logs.
  std::vector<std::string> send(const std::string& keys, size_t count);
  // The probe's log lines so far ("pid N", "ready ...", records, "quit"/"end").
  std::vector<std::string> log() const;
  // Waits until the pane's program has ended; false on timeout.
  bool waitForExit();
  // The session's own directory, and a file in it.
  const std::string& dir() const { return dir_; }
  std::string file(const std::string& name) const;
  // Log lines from line `from` on, once at least count of them are there.
  std::vector<std::string> newLines(size_t from, size_t count);
  int probePid() const { return pid_; }
  // The pane's text now.
  std::string screen() const;
  // Polls until done() holds; false after the timeout.
  static bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(5));
  // The process the pane's shell runs (the program under test), 0 when none.
  int programPid() const;

 private:
  void start(const std::string& command, int columns, int rows);

  std::string dir_;
  std::string socket_;
  bool ready_ = false;
  int pid_ = 0;
};

}  // namespace tarn::testing
