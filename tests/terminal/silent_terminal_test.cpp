// The editor scripted from a shell on a terminal that answers none of its
// queries: it must not wait for answers that never come.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tarn {
namespace {

namespace fs = std::filesystem;

// Runs the editor on a new pseudo-terminal whose other end only reads;
// returns the exit status, or -1 when it did not end within the time.
int runSilently(const fs::path& dir, const std::vector<std::string>& args) {
  int master = -1;
  winsize size{24, 80, 0, 0};
  pid_t pid = forkpty(&master, nullptr, nullptr, &size);
  if (pid < 0) return -1;
  if (pid == 0) {
    if (chdir(dir.c_str()) != 0) _exit(126);
    std::vector<char*> argv{const_cast<char*>(TARN_PROGRAM)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(TARN_PROGRAM, argv.data());
    _exit(127);
  }
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  int status = -1;
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd p{master, POLLIN, 0};
    if (poll(&p, 1, 50) > 0) {
      char buf[4096];
      if (read(master, buf, sizeof buf) <= 0) {
        // The terminal closed: the program is ending.
      }
    }
    int ws = 0;
    if (waitpid(pid, &ws, WNOHANG) == pid) {
      status = WIFEXITED(ws) ? WEXITSTATUS(ws) : -1;
      close(master);
      return status;
    }
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  close(master);
  return -1;
}

TEST(SilentTerminal, StartUpFunctionStringsEditSaveAndEnd) {
  fs::path dir = fs::temp_directory_path() / ("tarn-silent-" + std::to_string(getpid()));
  fs::create_directories(dir / "profile");
  std::ofstream(dir / "a.txt") << "first\nsecond\n";
  int status = runSilently(dir, {"/p./profile/", "'s oncommand off'", "a.txt", "[to]'x'", "[file]"});
  std::ifstream in(dir / "a.txt", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  fs::remove_all(dir);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(text.str(), "xirst\r\nsecond\r\n");
}

}  // namespace
}  // namespace tarn
