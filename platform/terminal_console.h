// The console on a real terminal: raw mode, the alternate screen, SGR mouse
// with drags, focus reports, bracketed paste and the best keyboard protocol
// the terminal offers (kitty's, else xterm's modifyOtherKeys with keypad
// application mode). Whatever was changed is put back at the end, when a
// child program takes the terminal over, and when the program dies.
#pragma once
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "platform/click_tracker.h"
#include "platform/code_page.h"
#include "platform/console.h"
#include "platform/event_loop.h"
#include "platform/terminal_decoder.h"
#include "platform/terminal_screen.h"

namespace tarn {

class TerminalConsole : public Console {
 public:
  struct Options {
    int input = STDIN_FILENO;
    int output = STDOUT_FILENO;
    // How long a lone Esc waits for the rest of a sequence.
    std::chrono::milliseconds escapeTimeout{40};
    // How long a paste waits for its end marker while no byte comes; then
    // what follows is keys again. Pastes arrive without pauses this long.
    std::chrono::milliseconds pasteQuiet{500};
    // How long after Alt with keypad digits the Alt release is assumed.
    std::chrono::milliseconds altIdle{500};
    // How long the start waits for the terminal's answers.
    std::chrono::milliseconds answerTimeout{200};
    // How long resize waits for the terminal to take the new size.
    std::chrono::milliseconds resizeTimeout{200};
  };

  // Takes the terminal over. The loop gets the terminal's input, SIGWINCH
  // and SIGCONT, and SIGTERM, SIGHUP, SIGQUIT and SIGINT, which terminate
  // it (EventLoop::terminate), as the end of the terminal does. Throws
  // std::runtime_error when input or output is no terminal.
  TerminalConsole(EventLoop& loop, Options options);
  explicit TerminalConsole(EventLoop& loop) : TerminalConsole(loop, Options{}) {}
  ~TerminalConsole() override;
  TerminalConsole(const TerminalConsole&) = delete;
  TerminalConsole& operator=(const TerminalConsole&) = delete;

  ConsoleSize size() const override { return screen_.size(); }
  bool resize(ConsoleSize wanted) override;
  // The terminal decides what it can take; this is the console's own limit.
  ConsoleSize largestSize() const override { return {1023, 511}; }

  void write(int column, int row, std::string_view bytes, Attribute attr) override;
  void writeFrame(int column, int row, std::string_view bytes, Attribute attr) override;
  void clear(Attribute attr) override { screen_.fill(attr); }
  void setCursorPosition(int column, int row) override { screen_.setCursor(column, row); }
  void setCursorVisible(bool visible) override { screen_.setCursorVisible(visible); }
  void setCursorSize(int percent) override { screen_.setCursorSize(percent); }
  void setTitle(std::string_view title) override;
  // An unknown page leaves the current one (codePage() tells which holds).
  void setCodePage(int codePage) override;
  int codePage() const override { return page_->number(); }
  void flush() override;
  void beep() override { if (!suspended_) send("\a"); }
  // OSC 52; a text too long for terminals to take is refused.
  bool setTerminalClipboard(std::string_view text) override;

  bool readInput(InputRecord& record) override;
  void pushFront(const InputRecord& record) override { queue_.push_front(record); }
  bool hasInput() const override { return !queue_.empty(); }
  bool waitInput(EventLoop& loop) override;
  void pollInput() override;

  void suspend() override;
  void resume() override;

  // The kitty keyboard flags in force, 0 when the terminal lacks the protocol.
  int kittyFlags() const { return kittyFlags_; }
  // Asks the terminal which keyboard protocol it speaks, once: the first
  // wait for input does. A run that reads no key asks nothing, and so has
  // no answers to wait for at its end.
  void askKeyboardProtocol();
  // Whether the terminal's answers to those questions are still awaited.
  bool negotiating() const {
    return negotiation_ == Negotiation::AwaitingAnswers || negotiation_ == Negotiation::AwaitingCheck;
  }

 private:
  enum class Negotiation { NotAsked, AwaitingAnswers, AwaitingCheck, Done };
  void takeReplies();
  void answered(const std::optional<TerminalReply>& kitty);
  void awaitLastAnswers();
  void giveBack();
  std::string keyboardMode() const;
  std::string undo() const;
  void bind(EventLoop& loop);
  void unbind();
  void readAvailable();
  bool readWaiting();
  std::optional<std::chrono::milliseconds> decoderTimeLeft() const;
  void decoderWaitPassed();
  void collect();
  void checkSize();
  void reapply();
  void send(std::string_view bytes);

  Options options_;
  EventLoop* loop_ = nullptr;
  termios saved_{};
  TerminalScreen screen_;
  TerminalDecoder decoder_;
  ClickTracker clicks_;
  const CodePage* page_;
  std::deque<InputRecord> queue_;
  EventLoop::Clock::time_point lastInput_{};
  uint64_t reads_ = 0;  // reads that brought bytes
  int kittyFlags_ = 0;
  Negotiation negotiation_ = Negotiation::NotAsked;
  std::optional<TerminalReply> kittyReply_;
  std::chrono::steady_clock::time_point answersDue_;
  bool suspended_ = false;
  bool ended_ = false;  // no more input can come (end of file, terminal gone)
};

}  // namespace tarn
