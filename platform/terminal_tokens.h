// What one complete piece of terminal input says, before it becomes input
// records: the parser's output and the decoder's input.
#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "platform/key_tables.h"

namespace tarn {

// A message from the terminal itself, answering a query; never typed.
struct TerminalReply {
  enum class Kind { KittyFlags, DeviceAttributes, WindowSize, Osc, Dcs, Other };
  Kind kind = Kind::Other;
  std::vector<int> values;  // KittyFlags: flags; DeviceAttributes: the list; WindowSize: rows, columns
  std::string text;         // Osc and Dcs: the string body
  bool operator==(const TerminalReply&) const = default;
};

namespace token {

struct Key {
  enum class Event { Press, Repeat, Release };
  keys::KeyName name;
  unsigned mods = 0;        // keys::mod bits, implied ones included
  bool modsGiven = false;   // the sequence carried a modifier parameter
  Event event = Event::Press;
  char32_t shiftedAlternate = 0;  // kitty: what Shift made of the key
  std::u32string text;            // kitty: the text the key produced
  bool kittyCode = false;         // named by a kitty key code (text 0 means composed text)
};

struct Mouse {
  int button = 0;  // the protocol's button byte: low bits button, +4 Shift, +8 Alt, +16 Ctrl, +32 motion, +64 wheel
  int column = 0;  // from 0
  int row = 0;
  bool release = false;
};

struct Focus {
  bool gained = false;
};

struct PasteStart {};
struct PasteEnd {};

// The start of an OSC, DCS or APC string; its body follows up to ST or BEL.
struct StringStart {
  TerminalReply::Kind kind = TerminalReply::Kind::Other;
};

// A Windows key record sent whole by win32-input-mode.
struct Win32Key {
  uint16_t vk = 0;
  uint16_t scanCode = 0;
  char32_t ch = 0;
  bool down = false;
  uint32_t state = 0;
  uint16_t repeat = 1;
};

}  // namespace token

using Token = std::variant<std::monostate, token::Key, token::Mouse, token::Focus, token::PasteStart,
                           token::PasteEnd, token::StringStart, token::Win32Key, TerminalReply>;

}  // namespace tarn
