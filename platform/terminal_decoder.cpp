#include "platform/terminal_decoder.h"

#include "platform/terminal_parser.h"
#include "platform/utf8.h"
#include "platform/vk.h"

namespace tarn {

namespace {

namespace mod = keys::mod;
constexpr std::string_view kPasteEnd = "\x1b[201~";
constexpr size_t kLongestString = 65536;  // longer replies are cut

bool isAsciiLetter(char32_t ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

char32_t toggleCase(char32_t ch) { return ch ^ 0x20; }

// Keys that Alt turns into digits of a character code: the keypad digits,
// and the keypad's navigation keys with Num Lock off.
bool isAltPadKey(const KeyEventRecord& key) {
  if (key.virtualKeyCode >= vk::kNumpad0 && key.virtualKeyCode <= vk::kNumpad0 + 9) return true;
  if (key.controlKeyState & keystate::kEnhanced) return false;
  return (key.virtualKeyCode >= vk::kPrior && key.virtualKeyCode <= vk::kDown) ||
         key.virtualKeyCode == vk::kInsert || key.virtualKeyCode == vk::kClear;
}

}  // namespace

TerminalDecoder::TerminalDecoder() : page_(&CodePage::oem437()), locks_(keystate::kNumLock) {}

void TerminalDecoder::feed(std::string_view bytes) {
  pending_ += bytes;
  run(false);
}

bool TerminalDecoder::waitingForMore() const {
  return string_.has_value() || (!pending_.empty() && !pasting_);
}

void TerminalDecoder::timeoutElapsed() {
  if (string_) {
    // A reply broken off: what is left of it is no input either.
    string_.reset();
    pending_.clear();
  }
  if (!pasting_) run(true);
}

// The quiet interval is longer than the Esc timeout, so what is left over
// is unfinished: a lone Esc is the Esc key, and Esc stops a paste that does
// not end.
void TerminalDecoder::endUnfinishedPaste() {
  if (!pasting_) return;
  pasting_ = false;
  run(true);
}

void TerminalDecoder::idleElapsed() {
  if (altReleaseDue_) emitAltRelease();
}

bool TerminalDecoder::nextRecord(InputRecord& record) {
  if (records_.empty()) return false;
  record = records_.front();
  records_.pop_front();
  return true;
}

bool TerminalDecoder::nextReply(TerminalReply& reply) {
  if (replies_.empty()) return false;
  reply = std::move(replies_.front());
  replies_.pop_front();
  return true;
}

void TerminalDecoder::run(bool atEnd) {
  size_t pos = 0;
  while (pos < pending_.size()) {
    std::string_view rest = std::string_view(pending_).substr(pos);
    bool inString = string_.has_value();
    size_t used = inString ? stringStep(rest) : pasting_ ? pasteStep(rest) : inputStep(rest, atEnd);
    if (used == 0 && inString == string_.has_value()) break;
    pos += used;
  }
  pending_.erase(0, pos);
}

size_t TerminalDecoder::inputStep(std::string_view bytes, bool atEnd) {
  Parsed parsed = parseInput(bytes, atEnd);
  if (parsed.used == 0) return 0;
  if (parsed.escapeFirst) {
    token::Key escape;
    escape.name = keys::controlByteKey(0x1B);
    key(escape);
  }
  handle(parsed.token);
  return parsed.used;
}

size_t TerminalDecoder::pasteStep(std::string_view bytes) {
  if (bytes.starts_with(kPasteEnd)) {
    pasting_ = false;
    return kPasteEnd.size();
  }
  if (kPasteEnd.starts_with(bytes)) return 0;  // may be the end marker, arriving in pieces
  char c = bytes[0];
  bool afterCr = pasteAfterCr_;
  pasteAfterCr_ = c == '\r';
  if (c == '\r' || c == '\n') {
    if (!(c == '\n' && afterCr)) pasted(U'\r');
    return 1;
  }
  utf8::Decoded d = utf8::decode(bytes);
  switch (d.status) {
    case utf8::Decoded::Status::Ok: pasted(d.ch); return d.length;
    case utf8::Decoded::Status::Invalid: pasted(static_cast<unsigned char>(c)); return 1;
    case utf8::Decoded::Status::Incomplete: break;
  }
  return 0;
}

size_t TerminalDecoder::stringStep(std::string_view bytes) {
  StringScan scan = scanString(bytes);
  std::string& text = string_->text;
  text.append(bytes.substr(0, std::min(scan.body, kLongestString - std::min(text.size(), kLongestString))));
  if (scan.finished) {
    if (scan.terminator > 0) replies_.push_back(std::move(*string_));
    string_.reset();
  }
  return scan.body + scan.terminator;
}

void TerminalDecoder::handle(const Token& token) {
  if (auto* k = std::get_if<token::Key>(&token)) {
    key(*k);
  } else if (auto* m = std::get_if<token::Mouse>(&token)) {
    mouse(*m);
  } else if (auto* f = std::get_if<token::Focus>(&token)) {
    emit(InputRecord::focusEvent(f->gained));
  } else if (std::holds_alternative<token::PasteStart>(token)) {
    pasting_ = true;
    pasteAfterCr_ = false;
  } else if (auto* s = std::get_if<token::StringStart>(&token)) {
    string_ = TerminalReply{s->kind, {}, {}};
  } else if (auto* w = std::get_if<token::Win32Key>(&token)) {
    win32(*w);
  } else if (auto* r = std::get_if<TerminalReply>(&token)) {
    replies_.push_back(*r);
  }
}

void TerminalDecoder::key(const token::Key& k) {
  if (k.kittyCode && k.name.vk == 0 && k.name.text == 0) {
    for (char32_t ch : k.text) pasted(ch);  // composed text without a key
    return;
  }
  trackModifierKey(k);
  uint32_t state = modifierState(k.mods, k.modsGiven);
  if (k.name.enhanced) state |= keystate::kEnhanced;

  char32_t typed = k.name.text;
  if (k.mods & mod::kShift) {
    if (k.shiftedAlternate) typed = k.shiftedAlternate;
    else if (k.name.shifted) typed = k.name.shifted;
  }
  // Legacy text arrives as typed; kitty names the key and leaves Caps Lock to us.
  if (k.kittyCode && (state & keystate::kCapsLock) && isAsciiLetter(typed)) typed = toggleCase(typed);
  if (!k.text.empty()) typed = k.text.front();

  bool ctrl = k.mods & mod::kCtrl;
  bool alt = k.mods & (mod::kAlt | mod::kMeta);
  uint8_t ch = ctrl && alt ? 0 : ctrl ? keys::controlCharacter(k.name) : toByte(typed);
  if (k.name.vk == 0 && ch == 0) return;
  emit(InputRecord::keyEvent(k.name.vk, ch, state, k.event != token::Key::Event::Release));
}

void TerminalDecoder::mouse(const token::Mouse& m) {
  if (m.button & 128) return;  // buttons 8 and up have no place in the record
  uint32_t state = modifierState((m.button & 4 ? mod::kShift : 0) | (m.button & 8 ? mod::kAlt : 0) |
                                     (m.button & 16 ? mod::kCtrl : 0),
                                 false);
  int which = m.button & 3;
  if (m.button & 64) {
    if (which >= 2) return;  // sideways wheel: the record has no room for it
    auto delta = static_cast<uint16_t>(which == 0 ? mousestate::kWheelDelta : -mousestate::kWheelDelta);
    emit(InputRecord::mouseEvent(m.column, m.row, (uint32_t{delta} << 16) | mouseButtons_,
                                 mousestate::kWheeled, state));
    return;
  }
  constexpr uint32_t kBits[] = {mousestate::kLeftButton, mousestate::kSecondButton,
                                mousestate::kRightButton, 0};
  uint32_t bit = kBits[which];
  uint32_t flags = 0;
  if (m.release) {
    mouseButtons_ = bit ? mouseButtons_ & ~bit : 0;
  } else if (m.button & 32) {
    flags = mousestate::kMoved;
    mouseButtons_ = bit ? mouseButtons_ | bit : 0;  // a move without buttons: none are held
  } else {
    mouseButtons_ |= bit;
  }
  emit(InputRecord::mouseEvent(m.column, m.row, mouseButtons_, flags, state));
}

void TerminalDecoder::win32(const token::Win32Key& w) {
  InputRecord r = InputRecord::keyEvent(w.vk, toByte(w.ch), w.state, w.down);
  r.key.virtualScanCode = w.scanCode;
  r.key.repeatCount = w.repeat;
  locksReported_ = true;
  locks_ = w.state & (keystate::kCapsLock | keystate::kNumLock);
  if (w.vk == 0 && r.key.character == 0) return;
  emit(r, true);
}

void TerminalDecoder::pasted(char32_t ch) {
  uint8_t byte = toByte(ch);
  if (byte != 0) emit(InputRecord::keyEvent(0, byte, locks_));
}

void TerminalDecoder::emit(const InputRecord& record, bool releaseReported) {
  bool isKey = record.kind == InputKind::Key;
  if (altReleaseDue_) {
    uint32_t state = isKey ? record.key.controlKeyState
                     : record.kind == InputKind::Mouse ? record.mouse.controlKeyState
                                                       : 0;
    if (isKey && record.key.virtualKeyCode == vk::kMenu && !record.key.keyDown) {
      altReleaseDue_ = false;  // the terminal reports it after all
    } else if (!(state & keystate::kAnyAlt)) {
      emitAltRelease();
    }
  }
  records_.push_back(record);
  const KeyEventRecord& k = record.key;
  if (isKey && !releaseReported && k.keyDown && (k.controlKeyState & keystate::kAnyAlt) &&
      !(k.controlKeyState & keystate::kAnyCtrl) && isAltPadKey(k))
    altReleaseDue_ = true;
}

void TerminalDecoder::emitAltRelease() {
  altReleaseDue_ = false;
  records_.push_back(InputRecord::keyEvent(vk::kMenu, 0, locks_, false));
}

// kitty reports the modifier keys themselves (with "all keys as escapes"):
// remember which side is held, so that right Alt and right Ctrl show as such.
void TerminalDecoder::trackModifierKey(const token::Key& k) {
  bool down = k.event != token::Key::Event::Release;
  bool right = k.name.enhanced;
  if (k.name.vk == vk::kMenu) (right ? rightAltHeld_ : leftAltHeld_) = down;
  if (k.name.vk == vk::kControl) (right ? rightCtrlHeld_ : leftCtrlHeld_) = down;
  if (!(k.mods & (mod::kAlt | mod::kMeta))) leftAltHeld_ = rightAltHeld_ = false;
  if (!(k.mods & mod::kCtrl)) leftCtrlHeld_ = rightCtrlHeld_ = false;
}

uint32_t TerminalDecoder::modifierState(unsigned mods, bool modsGiven) {
  if (modsGiven && (mods & (mod::kCapsLock | mod::kNumLock))) locksReported_ = true;
  if (modsGiven && locksReported_) {
    locks_ = (mods & mod::kCapsLock ? keystate::kCapsLock : 0) |
             (mods & mod::kNumLock ? keystate::kNumLock : 0);
  }
  uint32_t state = locks_;
  if (mods & mod::kShift) state |= keystate::kShift;
  if (mods & (mod::kAlt | mod::kMeta))
    state |= rightAltHeld_ && !leftAltHeld_ ? keystate::kRightAlt : keystate::kLeftAlt;
  if (mods & mod::kCtrl)
    state |= rightCtrlHeld_ && !leftCtrlHeld_ ? keystate::kRightCtrl : keystate::kLeftCtrl;
  return state;
}

uint8_t TerminalDecoder::toByte(char32_t ch) const {
  if (ch == 0) return 0;
  return page_->fromUnicode(ch).value_or('?');
}

}  // namespace tarn
