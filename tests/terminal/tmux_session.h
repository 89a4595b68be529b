// A private tmux server with one 80x24 pane running console_probe between
// two `stty -a` snapshots, for end-to-end tests of the terminal console.
#pragma once
#include <chrono>
#include <string>
#include <vector>

namespace tarn::testing {

class TmuxSession {
 public:
  static bool available();

  // Starts the server and the probe; ready() tells whether the probe came up.
  TmuxSession();
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

 private:
  std::string dir_;
  std::string socket_;
  bool ready_ = false;
  int pid_ = 0;
};

}  // namespace tarn::testing
