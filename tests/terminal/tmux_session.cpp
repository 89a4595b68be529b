#include "tmux_session.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace tarn::testing {

namespace {

using namespace std::chrono_literals;

std::string capture(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  pclose(pipe);
  return out;
}

}  // namespace

bool TmuxSession::waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  auto end = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

bool TmuxSession::available() { return std::system("command -v tmux >/dev/null 2>&1") == 0; }

TmuxSession::TmuxSession() {
  start("'" + std::string(TARN_CONSOLE_PROBE) + "' log", 80, 24);
  ready_ = waitUntil([&] {
    auto lines = log();
    return lines.size() >= 2 && lines[1].starts_with("ready");
  });
  if (ready_) pid_ = std::atoi(log()[0].c_str() + 4);
}

TmuxSession::TmuxSession(const std::string& command, int columns, int rows) {
  start(command, columns, rows);
  ready_ = !dir_.empty();
}

void TmuxSession::start(const std::string& command, int columns, int rows) {
  char pattern[] = "/tmp/tarn-tmux-XXXXXX";
  if (mkdtemp(pattern) == nullptr) return;
  dir_ = pattern;
  static int sessions = 0;
  socket_ = "tarn-test-" + std::to_string(getpid()) + "-" + std::to_string(++sessions);
  std::ofstream(dir_ + "/run.sh") << "cd '" << dir_ << "' || exit 1\n"
                                  << "stty -a > before\n"
                                  << command << "\n"
                                  << "echo $? > status\n"
                                  << "stty -a > after.tmp && mv after.tmp after\n";
  tmux("new-session -d -s t -x " + std::to_string(columns) + " -y " + std::to_string(rows) +
       " 'sleep 600' \\; set -s escape-time 0 \\; set -g remain-on-exit on \\; "
       "respawn-pane -k -t t 'sh " + dir_ + "/run.sh'");
}

std::string TmuxSession::screen() const { return tmux("capture-pane -p -t t"); }

int TmuxSession::programPid() const {
  std::string shell = tmux("display -p -t t '#{pane_pid}'");
  std::string child = capture("pgrep -P " + std::to_string(std::atoi(shell.c_str())) + " | head -n 1");
  return std::atoi(child.c_str());
}

TmuxSession::~TmuxSession() {
  tmux("kill-server");
  if (dir_.empty()) return;
  // The pane's shell may still be writing its last file while the server goes.
  constexpr auto kFailed = static_cast<std::uintmax_t>(-1);
  std::error_code error;
  for (int tries = 0; tries < 100 && std::filesystem::remove_all(dir_, error) == kFailed; ++tries)
    std::this_thread::sleep_for(10ms);
}

std::string TmuxSession::tmux(const std::string& arguments) const {
  return capture("tmux -L " + socket_ + " -f /dev/null " + arguments + " 2>&1");
}

std::vector<std::string> TmuxSession::log() const {
  std::vector<std::string> lines;
  std::istringstream in(file("log"));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> TmuxSession::newLines(size_t from, size_t count) {
  waitUntil([&] { return log().size() >= from + count; });
  // A short look for records beyond those expected, so extras show up as failures.
  std::this_thread::sleep_for(20ms);
  auto lines = log();
  return std::vector<std::string>(lines.begin() + static_cast<long>(std::min(from, lines.size())),
                                  lines.end());
}

std::vector<std::string> TmuxSession::send(const std::string& keys, size_t count) {
  size_t from = log().size();
  tmux("send-keys -t t " + keys);
  return newLines(from, count);
}

bool TmuxSession::waitForExit() {
  return waitUntil([&] { return tmux("display -p -t t '#{pane_dead}'") == "1\n"; });
}

std::string TmuxSession::file(const std::string& name) const {
  std::ifstream in(dir_ + "/" + name);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace tarn::testing
