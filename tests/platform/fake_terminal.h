// A pseudo-terminal with a small terminal emulator's manners on the other
// side: it answers the queries a program sends at start (device attributes,
// and kitty keyboard flags when told to speak that protocol), takes resize
// requests when told to, and keeps everything the program wrote.
#pragma once
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tarn::testing {

class FakeTerminal {
 public:
  struct Manners {
    bool answers = true;         // answers device attributes at all
    bool kitty = false;          // speaks the kitty keyboard protocol
    int kittyFlagsTaken = 31;    // the flags it honours
    bool resizes = false;        // obeys CSI 8 ; rows ; columns t
    int widest = 1023;           // columns beyond are cut when it resizes
  };

  explicit FakeTerminal(Manners manners) : manners_(manners) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) std::abort();
    slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY);
    if (slave_ < 0) std::abort();
    setSize(80, 24);
    reader_ = std::thread([this] { serve(); });
  }
  ~FakeTerminal() {
    hangUp();
    close(slave_);
  }

  int slave() const { return slave_; }

  void type(std::string_view bytes) {
    if (::write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
  }

  void setSize(int columns, int rows) {
    winsize ws{};
    ws.ws_col = static_cast<unsigned short>(columns);
    ws.ws_row = static_cast<unsigned short>(rows);
    ioctl(master_, TIOCSWINSZ, &ws);
  }

  std::string output() {
    std::lock_guard lock(mutex_);
    return output_;
  }

  // Everything written after this call.
  void forget() {
    std::lock_guard lock(mutex_);
    forgotten_ = output_.size();
  }
  std::string recent() {
    std::lock_guard lock(mutex_);
    return output_.substr(forgotten_);
  }

  bool waitFor(std::string_view needle, std::chrono::milliseconds timeout = std::chrono::seconds(2)) {
    auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
      if (recent().find(needle) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
  }

  // The terminal goes away: the program reads end of input.
  void hangUp() {
    if (master_ < 0) return;
    stop_ = true;
    reader_.join();
    close(master_);
    master_ = -1;
  }

 private:
  void serve() {
    std::string pending;
    while (!stop_) {
      pollfd p{master_, POLLIN, 0};
      if (poll(&p, 1, 5) <= 0) continue;
      char buf[4096];
      ssize_t n = read(master_, buf, sizeof buf);
      if (n <= 0) continue;
      {
        std::lock_guard lock(mutex_);
        output_.append(buf, static_cast<size_t>(n));
      }
      pending.append(buf, static_cast<size_t>(n));
      answer(pending);
    }
  }

  // Looks at complete control sequences and answers the queries among them.
  void answer(std::string& pending) {
    size_t i = 0;
    while (true) {
      size_t start = pending.find("\x1b[", i);
      if (start == std::string::npos) {
        i = pending.ends_with('\x1b') ? pending.size() - 1 : pending.size();
        break;
      }
      i = start;
      size_t end = i + 2;
      while (end < pending.size() && (pending[end] < 0x40 || pending[end] > 0x7E)) ++end;
      if (end >= pending.size()) break;
      std::string params = pending.substr(i + 2, end - i - 2);
      char final = pending[end];
      if (final == 'c' && params.empty() && manners_.answers) type("\x1b[?62;22c");
      if (final == 'u' && manners_.kitty) {
        if (params == "?") type("\x1b[?" + std::to_string(stack_.empty() ? 0 : stack_.back()) + "u");
        if (params.starts_with(">")) stack_.push_back(std::atoi(params.c_str() + 1) & manners_.kittyFlagsTaken);
        if (params == "<" && !stack_.empty()) stack_.pop_back();
      }
      if (final == 't' && params.starts_with("8;") && manners_.resizes) {
        int rows = 0, columns = 0;
        if (std::sscanf(params.c_str(), "8;%d;%d", &rows, &columns) == 2)
          setSize(std::min(columns, manners_.widest), rows);
      }
      i = end + 1;
    }
    pending.erase(0, i);
  }

  Manners manners_;
  int master_ = -1;
  int slave_ = -1;
  std::thread reader_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::string output_;
  size_t forgotten_ = 0;
  std::vector<int> stack_;  // kitty flags pushed
};

}  // namespace tarn::testing
