#include "platform/piped_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/sigpipe_block.h"

extern char** environ;

namespace tarn {

namespace {

using Clock = std::chrono::steady_clock;

class Descriptor {
 public:
  Descriptor() = default;
  ~Descriptor() { close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  void take(int fd) { fd_ = fd; }
  int get() const { return fd_; }
  bool open() const { return fd_ >= 0; }
  void close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

struct Pipe {
  Descriptor read;
  Descriptor write;
};

bool openPipe(Pipe& p) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return false;
  p.read.take(fds[0]);
  p.write.take(fds[1]);
  return true;
}

void setNonBlocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

// The spawned program starts as a shell would start it: default signal
// actions, nothing blocked, and only its three standard descriptors.
class SpawnSetup {
 public:
  SpawnSetup() {
    posix_spawn_file_actions_init(&actions_);
    posix_spawnattr_init(&attributes_);
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes_, &all);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  void take(int fd, int as) { posix_spawn_file_actions_adddup2(&actions_, fd, as); }
  void nowhere(int as) { posix_spawn_file_actions_addopen(&actions_, as, "/dev/null", O_RDWR, 0); }
  std::optional<pid_t> spawn(const std::vector<std::string>& argv) {
    posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, args[0], &actions_, &attributes_, args.data(), environ) != 0) return std::nullopt;
    return pid;
  }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

std::optional<int> exitStatus(pid_t pid, bool wait) {
  int status = 0;
  pid_t done;
  do {
    done = waitpid(pid, &status, wait ? 0 : WNOHANG);
  } while (done < 0 && errno == EINTR);
  if (done == 0) return std::nullopt;
  if (done < 0) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Reads what the pipe holds now; false at its end.
bool readAvailable(int fd, std::string& out) {
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      out.append(buffer, static_cast<size_t>(n));
    } else if (n == 0) {
      return false;
    } else {
      return errno == EAGAIN || errno == EINTR;
    }
  }
}

}  // namespace

std::optional<PipedResult> runPiped(const std::vector<std::string>& argv, const PipedRun& run) {
  if (argv.empty()) return std::nullopt;
  SigpipeBlock noSigpipe;
  Pipe input, output;
  if (!openPipe(input) || (run.collectOutput && !openPipe(output))) return std::nullopt;
  SpawnSetup setup;
  setup.take(input.read.get(), STDIN_FILENO);
  if (run.collectOutput)
    setup.take(output.write.get(), STDOUT_FILENO);
  else
    setup.nowhere(STDOUT_FILENO);
  setup.nowhere(STDERR_FILENO);
  std::optional<pid_t> pid = setup.spawn(argv);
  if (!pid) return std::nullopt;
  input.read.close();
  output.write.close();
  setNonBlocking(input.write.get());
  if (output.read.open()) setNonBlocking(output.read.get());

  PipedResult result;
  size_t written = 0;
  if (run.input.empty()) input.write.close();
  const Clock::time_point deadline = Clock::now() + run.timeout;
  std::optional<int> status;
  while (!status) {
    pollfd fds[2];
    nfds_t count = 0;
    if (input.write.open()) fds[count++] = {input.write.get(), POLLOUT, 0};
    if (output.read.open()) fds[count++] = {output.read.get(), POLLIN, 0};
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      kill(*pid, SIGKILL);
      exitStatus(*pid, true);
      return result;
    }
    // Without descriptors to watch, look for the program's end now and then.
    poll(fds, count, count ? static_cast<int>(std::min<long>(left, 50)) : 10);
    if (input.write.open()) {
      ssize_t n = ::write(input.write.get(), run.input.data() + written, run.input.size() - written);
      if (n > 0) written += static_cast<size_t>(n);
      if (written == run.input.size() || (n < 0 && errno != EAGAIN && errno != EINTR)) input.write.close();
    }
    if (output.read.open() && !readAvailable(output.read.get(), result.output)) output.read.close();
    status = exitStatus(*pid, false);
  }
  if (output.read.open()) readAvailable(output.read.get(), result.output);
  result.status = *status;
  return result;
}

}  // namespace tarn
