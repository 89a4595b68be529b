// Turns the bytes a terminal sends into console input records, whatever
// keyboard protocol it speaks (kitty, xterm modifyOtherKeys, legacy escape
// sequences, win32-input-mode), plus SGR and X10 mouse reports, focus
// changes and bracketed paste. Replies to queries are kept apart, never
// typed. Pure: no reads, no clock. The owner feeds bytes as they arrive and
// tells it when the Esc timeout, a paste's quiet interval or the Alt idle
// time has passed.
#pragma once
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "platform/console.h"
#include "platform/terminal_tokens.h"

namespace tarn {

class TerminalDecoder {
 public:
  TerminalDecoder();

  // Typed characters become bytes of this page; characters it lacks become '?'.
  void setCodePage(const CodePage& page) { page_ = &page; }

  void feed(std::string_view bytes);
  // True while the bytes so far end inside a sequence or with a lone Esc:
  // the owner should call timeoutElapsed when no byte follows soon.
  bool waitingForMore() const;
  // No byte followed: a lone Esc is the Esc key, Esc and one byte are Alt
  // with that key, other unfinished sequences are dropped.
  void timeoutElapsed();

  // True inside a bracketed paste. Its end marker may never come (lost, or
  // a stray start): the owner calls endUnfinishedPaste when no byte came for
  // a quiet interval, and what follows is keys again.
  bool pasting() const { return pasting_; }
  void endUnfinishedPaste();

  // True after Alt with a keypad digit when the terminal reports no Alt
  // release: the owner should call idleElapsed after the Alt idle time.
  bool altReleasePending() const { return altReleaseDue_; }
  // Delivers the Alt release that the terminal does not send.
  void idleElapsed();

  bool hasRecord() const { return !records_.empty(); }
  bool nextRecord(InputRecord& record);
  bool nextReply(TerminalReply& reply);

 private:
  void run(bool atEnd);
  size_t inputStep(std::string_view bytes, bool atEnd);
  size_t pasteStep(std::string_view bytes);
  size_t stringStep(std::string_view bytes);

  void handle(const Token& token);
  void key(const token::Key& key);
  void mouse(const token::Mouse& mouse);
  void win32(const token::Win32Key& key);
  void pasted(char32_t ch);
  void emit(const InputRecord& record, bool releaseReported = false);
  void emitAltRelease();

  void trackModifierKey(const token::Key& key);
  uint32_t modifierState(unsigned mods, bool modsGiven);
  uint8_t toByte(char32_t ch) const;

  const CodePage* page_;
  std::string pending_;
  std::deque<InputRecord> records_;
  std::deque<TerminalReply> replies_;

  bool pasting_ = false;
  bool pasteAfterCr_ = false;        // a CR LF pair in pasted text is one Enter
  std::optional<TerminalReply> string_;  // an OSC/DCS/APC body being collected

  uint32_t mouseButtons_ = 0;        // buttons held, as the reports so far tell
  uint32_t locks_;                   // Caps and Num Lock as last reported
  bool locksReported_ = false;       // the terminal sends lock bits at all
  bool leftAltHeld_ = false, rightAltHeld_ = false;
  bool leftCtrlHeld_ = false, rightCtrlHeld_ = false;
  bool altReleaseDue_ = false;
};

}  // namespace tarn
