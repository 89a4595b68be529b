#include "platform/process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/environment.h"

namespace tarn {

namespace {

int waitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  // Ended by a signal (Ctrl+C, Ctrl+\), as a shell tells it: 128 and the signal.
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

[[noreturn]] void exec(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  // The child starts with the signal dispositions a shell expects.
  for (int sig : {SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGTSTP, SIGWINCH, SIGCHLD, SIGPIPE, SIGXFSZ})
    signal(sig, SIG_DFL);
  execvp(args[0], args.data());
  _exit(127);
}

}  // namespace

bool programOnPath(const std::string& program) {
  for (const auto& dir : searchPathDirectories("PATH"))
    if (access((dir + "/" + program).c_str(), X_OK) == 0) return true;
  return false;
}

int runProgram(const std::vector<std::string>& argv) {
  if (argv.empty()) return -1;
  // Ctrl+C and Ctrl+\ typed while the program has the terminal are meant
  // for it alone; the editor carries on when it ends.
  struct sigaction ignore {}, savedInterrupt{}, savedQuit{};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGINT, &ignore, &savedInterrupt);
  sigaction(SIGQUIT, &ignore, &savedQuit);
  pid_t pid = fork();
  if (pid == 0) exec(argv);
  int status = pid < 0 ? -1 : waitFor(pid);
  sigaction(SIGINT, &savedInterrupt, nullptr);
  sigaction(SIGQUIT, &savedQuit, nullptr);
  return status;
}

int runShellCommand(const std::string& command) {
  std::string shell = environmentValue("SHELL").value_or("/bin/sh");
  if (shell.empty()) shell = "/bin/sh";
  if (command.empty()) return runProgram({shell});
  return runProgram({shell, "-c", command});
}

bool startInNewTerminal(const std::vector<std::string>& argv) {
  std::string terminal = environmentValue("TERMINAL").value_or("");
  if (terminal.empty() || !programOnPath(terminal)) terminal = programOnPath("x-terminal-emulator") ? "x-terminal-emulator" : "";
  if (terminal.empty() || (!environmentValue("DISPLAY") && !environmentValue("WAYLAND_DISPLAY"))) return false;
  std::vector<std::string> full{terminal, "-e"};
  full.insert(full.end(), argv.begin(), argv.end());
  pid_t pid = fork();
  if (pid < 0) return false;
  if (pid == 0) {
    // Detach twice so the window outlives nothing of ours and leaves no zombie.
    setsid();
    if (fork() != 0) _exit(0);
    exec(full);
  }
  waitFor(pid);
  return true;
}

std::string ownExecutable() {
  std::error_code ec;
  auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("tarn") : p.string();
}

}  // namespace tarn
