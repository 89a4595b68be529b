#include "platform/terminal_console.h"

#include <poll.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "platform/base64.h"
#include "platform/terminal_guard.h"

namespace tarn {

namespace {

using SteadyClock = std::chrono::steady_clock;

// Disambiguate, event types, alternate keys, all keys as escapes, associated text.
constexpr int kKittyFlags = 31;
// Without "all keys as escapes" a program that dies leaves Enter and Tab usable.
constexpr int kKittyFallbackFlags = 7;
constexpr int kKittyEscapeFlags = 8 | 16;

constexpr int kQuitSignals[] = {SIGTERM, SIGHUP, SIGQUIT, SIGINT};

constexpr std::string_view kSaveTitle = "\x1b[22;0t";
constexpr std::string_view kQueries = "\x1b[?u\x1b[c";  // kitty flags, then primary device attributes

// TARN_KITTY_FLAGS limits the kitty flags (0 turns the protocol off); a value
// that is no flag set is ignored.
int kittyFlagLimit() {
  const char* text = std::getenv("TARN_KITTY_FLAGS");
  if (text == nullptr || *text == '\0') return kKittyFlags;
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (*end != '\0' || value < 0 || value > kKittyFlags) return kKittyFlags;
  return static_cast<int>(value);
}

ConsoleSize terminalSize(int fd, ConsoleSize fallback) {
  winsize ws{};
  if (ioctl(fd, TIOCGWINSZ, &ws) != 0 || ws.ws_col == 0 || ws.ws_row == 0) return fallback;
  return {std::clamp<int>(ws.ws_col, 1, 1023), std::clamp<int>(ws.ws_row, 1, 511)};
}

termios rawMode(termios t) {
  t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
  t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag = (t.c_cflag & ~static_cast<tcflag_t>(CSIZE | PARENB)) | CS8;
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  return t;
}

// Alternate screen, mouse with drags in SGR form, focus reports, bracketed paste.
std::string screenModes() {
  return "\x1b[?1049h\x1b[?1000h\x1b[?1002h\x1b[?1006h\x1b[?1004h\x1b[?2004h";
}

std::string pushKitty(int flags) { return "\x1b[>" + std::to_string(flags) + "u"; }

constexpr std::string_view kOtherKeys = "\x1b[>4;2m\x1b=";  // modifyOtherKeys 2, keypad application mode

}  // namespace

TerminalConsole::TerminalConsole(EventLoop& loop, Options options)
    : options_(options),
      screen_(terminalSize(options.output, {80, 24})),
      page_(&CodePage::oem437()) {
  if (!isatty(options_.input) || !isatty(options_.output))
    throw std::runtime_error("the console needs a terminal for input and output");
  if (tcgetattr(options_.input, &saved_) != 0)
    throw std::runtime_error(std::string("cannot read the terminal settings: ") + std::strerror(errno));
  termios raw = rawMode(saved_);
  tcsetattr(options_.input, TCSANOW, &raw);  // keys typed ahead are kept
  // Until the terminal is known to speak kitty's protocol, xterm's
  // modifyOtherKeys is asked for.
  send(std::string(kSaveTitle) + screenModes() + std::string(kOtherKeys));
  terminal_guard::arm(options_.output, saved_, undo());
  bind(loop);
  collect();
}

TerminalConsole::~TerminalConsole() {
  if (!suspended_) giveBack();
  terminal_guard::disarm();
  unbind();
}

// The answers are taken as they come: nothing waits for them, so a
// terminal that answers nothing costs no time.
void TerminalConsole::askKeyboardProtocol() {
  if (negotiation_ != Negotiation::NotAsked || suspended_ || ended_) return;
  send(kQueries);
  negotiation_ = Negotiation::AwaitingAnswers;
  answersDue_ = SteadyClock::now() + options_.answerTimeout;
}

// The device attributes answer last: by then the kitty flags came, if the
// terminal has them.
void TerminalConsole::takeReplies() {
  TerminalReply reply;
  while (decoder_.nextReply(reply)) {
    if (!negotiating()) continue;  // late or unasked answers
    if (reply.kind == TerminalReply::Kind::KittyFlags) kittyReply_ = reply;
    if (reply.kind == TerminalReply::Kind::DeviceAttributes) {
      std::optional<TerminalReply> kitty = std::move(kittyReply_);
      kittyReply_.reset();
      answered(kitty);
    }
  }
}

void TerminalConsole::answered(const std::optional<TerminalReply>& kitty) {
  if (negotiation_ == Negotiation::AwaitingAnswers) {
    int flags = kKittyFlags & kittyFlagLimit();
    negotiation_ = Negotiation::Done;
    if (!kitty || flags == 0) return;
    send(pushKitty(flags) + std::string(kQueries));
    kittyFlags_ = flags;
    negotiation_ = Negotiation::AwaitingCheck;
    answersDue_ = SteadyClock::now() + options_.answerTimeout;
  } else {
    // Some terminals take only part of the flags: without the escape forms
    // they honoured, fall back to the safe set.
    negotiation_ = Negotiation::Done;
    if (kitty && (kittyFlags_ & kKittyEscapeFlags) &&
        (kitty->values.at(0) & kKittyEscapeFlags) != (kittyFlags_ & kKittyEscapeFlags)) {
      kittyFlags_ &= kKittyFallbackFlags;
      send("\x1b[<u" + pushKitty(kittyFlags_));
    }
  }
  if (!suspended_) terminal_guard::arm(options_.output, saved_, undo());
}

// At the end, answers still on their way are read (for as long as they were
// given) so that they do not spill into the shell.
void TerminalConsole::awaitLastAnswers() {
  while (!ended_ && negotiating()) {
    auto left = std::chrono::ceil<std::chrono::milliseconds>(answersDue_ - SteadyClock::now()).count();
    if (left <= 0) break;
    pollfd p{options_.input, POLLIN, 0};
    int n = poll(&p, 1, static_cast<int>(left));
    if (n < 0 && errno != EINTR) break;
    if (n > 0) readAvailable();
  }
}

std::string TerminalConsole::keyboardMode() const {
  return std::string(kOtherKeys) + (kittyFlags_ ? pushKitty(kittyFlags_) : std::string());
}

// Everything the start changed, undone in reverse: kitty flags are popped
// while the alternate screen (which has its own stack) is still shown.
std::string TerminalConsole::undo() const {
  std::string s = kittyFlags_ ? "\x1b[<u" : "";
  s += "\x1b[>4m\x1b>";
  s += "\x1b[?2004l\x1b[?1004l\x1b[?1006l\x1b[?1002l\x1b[?1000l";
  s += "\x1b[0 q\x1b[0m\x1b[?25h\x1b[?1049l\x1b[23;0t";
  return s;
}

void TerminalConsole::giveBack() {
  awaitLastAnswers();
  send(undo());
  // Flushing drops input still on its way, such as key releases.
  tcsetattr(options_.input, TCSAFLUSH, &saved_);
}

void TerminalConsole::bind(EventLoop& loop) {
  if (loop_ == &loop) return;
  unbind();
  loop_ = &loop;
  if (!ended_) loop.watch(options_.input, [this] { readAvailable(); });
  loop.onSignal(SIGWINCH, [this] { checkSize(); });
  loop.onSignal(SIGCONT, [this] { reapply(); });
  for (int signo : kQuitSignals) loop.onSignal(signo, [&loop] { loop.terminate(); });
}

void TerminalConsole::unbind() {
  if (loop_ == nullptr) return;
  loop_->unwatch(options_.input);
  loop_->removeSignal(SIGWINCH);
  loop_->removeSignal(SIGCONT);
  for (int signo : kQuitSignals) loop_->removeSignal(signo);
  loop_ = nullptr;
}

void TerminalConsole::readAvailable() {
  char buf[4096];
  ssize_t n = ::read(options_.input, buf, sizeof buf);
  if (n > 0) {
    decoder_.feed(std::string_view(buf, static_cast<size_t>(n)));
    if (loop_) lastInput_ = loop_->now();
    ++reads_;
    collect();
    return;
  }
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
  ended_ = true;  // end of file, or the terminal hung up (EIO)
  if (loop_) {
    loop_->unwatch(options_.input);
    loop_->terminate();
  }
}

void TerminalConsole::collect() {
  takeReplies();
  auto now = loop_ ? loop_->now() : SteadyClock::now();
  InputRecord record;
  while (decoder_.nextRecord(record)) {
    if (record.kind == InputKind::Mouse) clicks_.apply(record.mouse, now);
    queue_.push_back(record);
  }
}

// Bytes that came while the editor was busy are read before a wait of the
// decoder counts as passed: the timeouts count quiet time, not busy time.
bool TerminalConsole::waitInput(EventLoop& loop) {
  bind(loop);
  askKeyboardProtocol();
  while (queue_.empty()) {
    // Output that failed also means the terminal is gone.
    if (ended_) loop.terminate();
    if (loop.quitRequested()) return false;
    std::optional<std::chrono::milliseconds> left = decoderTimeLeft();
    if (left && left->count() <= 0) {
      if (!readWaiting()) decoderWaitPassed();
      continue;
    }
    loop.runOnce(left);
  }
  return !loop.quitRequested();
}

void TerminalConsole::pollInput() {
  if (readWaiting()) {
    if (ended_ && loop_) loop_->terminate();
    return;
  }
  std::optional<std::chrono::milliseconds> left = decoderTimeLeft();
  if (left && left->count() <= 0) decoderWaitPassed();
}

// Takes what the terminal sent, without waiting; false when nothing came.
bool TerminalConsole::readWaiting() {
  if (ended_ || suspended_) return false;
  pollfd p{options_.input, POLLIN, 0};
  if (poll(&p, 1, 0) <= 0) return false;
  uint64_t before = reads_;
  readAvailable();
  return reads_ != before || ended_;
}

// The time left of what the decoder waits for: the rest of a sequence, the
// end of a paste, or the release of Alt after keypad digits.
std::optional<std::chrono::milliseconds> TerminalConsole::decoderTimeLeft() const {
  std::chrono::milliseconds wait;
  if (decoder_.waitingForMore()) wait = options_.escapeTimeout;
  else if (decoder_.pasting()) wait = options_.pasteQuiet;
  else if (decoder_.altReleasePending()) wait = options_.altIdle;
  else return std::nullopt;
  auto now = loop_ ? loop_->now() : SteadyClock::now();
  return std::chrono::ceil<std::chrono::milliseconds>(lastInput_ + wait - now);
}

void TerminalConsole::decoderWaitPassed() {
  if (decoder_.waitingForMore()) decoder_.timeoutElapsed();
  else if (decoder_.pasting()) decoder_.endUnfinishedPaste();
  else decoder_.idleElapsed();
  collect();
}

bool TerminalConsole::readInput(InputRecord& record) {
  if (queue_.empty()) return false;
  record = queue_.front();
  queue_.pop_front();
  return true;
}

void TerminalConsole::write(int column, int row, std::string_view bytes, Attribute attr) {
  for (size_t i = 0; i < bytes.size(); ++i)
    screen_.put(column + static_cast<int>(i), row, page_->glyph(static_cast<uint8_t>(bytes[i])), attr);
}

void TerminalConsole::writeFrame(int column, int row, std::string_view bytes, Attribute attr) {
  const CodePage& frames = CodePage::oem437();
  for (size_t i = 0; i < bytes.size(); ++i)
    screen_.put(column + static_cast<int>(i), row, frames.glyph(static_cast<uint8_t>(bytes[i])), attr);
}

void TerminalConsole::setTitle(std::string_view title) {
  std::u32string text;
  for (char c : title) text += page_->toUnicode(static_cast<uint8_t>(c));
  screen_.setTitle(text);
}

bool TerminalConsole::setTerminalClipboard(std::string_view text) {
  // Terminals cap the sequence; a longer one would be cut or dropped there.
  constexpr size_t kLongestEncoded = size_t{1} << 20;
  // Encoded, every three bytes begun take four characters.
  if (suspended_ || ended_ || (text.size() + 2) / 3 * 4 > kLongestEncoded) return false;
  send("\x1b]52;c;" + base64Encode(text) + "\x1b\\");
  return !ended_;
}

void TerminalConsole::setCodePage(int codePage) {
  if (const CodePage* page = CodePage::find(codePage)) {
    page_ = page;
    decoder_.setCodePage(*page);
  }
}

void TerminalConsole::flush() {
  if (!suspended_) send(screen_.render());
}

bool TerminalConsole::resize(ConsoleSize wanted) {
  if (wanted.columns < 1 || wanted.rows < 1 || wanted.columns > 1023 || wanted.rows > 511) return false;
  if (wanted == size()) return true;
  send("\x1b[8;" + std::to_string(wanted.rows) + ";" + std::to_string(wanted.columns) + "t");
  // The answer is SIGWINCH or nothing at all; input waits in the terminal meanwhile.
  auto deadline = SteadyClock::now() + options_.resizeTimeout;
  while (true) {
    ConsoleSize now = terminalSize(options_.output, size());
    if (now == wanted || SteadyClock::now() >= deadline) {
      // A terminal may take another size than asked for (its screen is too small).
      if (now != size()) screen_.resize(now);
      return now == wanted;
    }
    poll(nullptr, 0, 10);
  }
}

void TerminalConsole::checkSize() {
  ConsoleSize now = terminalSize(options_.output, size());
  if (now == size()) return;
  screen_.resize(now);
  queue_.push_back(InputRecord::bufferSizeEvent(now.columns, now.rows));
}

void TerminalConsole::suspend() {
  if (suspended_) return;
  giveBack();
  terminal_guard::disarm();
  suspended_ = true;
}

void TerminalConsole::resume() {
  if (!suspended_) return;
  suspended_ = false;
  termios raw = rawMode(saved_);
  tcsetattr(options_.input, TCSAFLUSH, &raw);
  send(std::string(kSaveTitle) + screenModes() + keyboardMode());
  terminal_guard::arm(options_.output, saved_, undo());
  screen_.invalidate();
  checkSize();
}

// After a stop and continue (SIGSTOP, a debugger) the shell may have reset
// the terminal: set it up again. kitty flags are replaced, not pushed, so
// the stack does not grow.
void TerminalConsole::reapply() {
  if (suspended_) return;
  termios raw = rawMode(saved_);
  tcsetattr(options_.input, TCSANOW, &raw);
  send(screenModes() + std::string(kOtherKeys) +
       (kittyFlags_ ? "\x1b[=" + std::to_string(kittyFlags_) + ";1u" : std::string()));
  screen_.invalidate();
  checkSize();
}

void TerminalConsole::send(std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(options_.output, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else if (n < 0 && errno == EAGAIN) {
      pollfd p{options_.output, POLLOUT, 0};
      poll(&p, 1, 100);
    } else if (!(n < 0 && errno == EINTR)) {
      ended_ = true;  // the terminal is gone; nothing more can be shown
      return;
    }
  }
}

}  // namespace tarn
