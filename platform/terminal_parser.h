// Splits terminal input into its pieces: one key, mouse report, focus
// change, paste bracket, reply or string start at a time. Pure: bytes in,
// one token out; it keeps no state, so what arrives in pieces parses the same.
#pragma once
#include <cstddef>
#include <string_view>

#include "platform/terminal_tokens.h"

namespace tarn {

struct Parsed {
  size_t used = 0;           // 0: the bytes end inside a sequence, wait for more
  Token token;               // monostate: consumed, but it means nothing (an unknown sequence)
  bool escapeFirst = false;  // an Esc key comes before the token
};

// Parses the piece at the start of bytes, outside pasted text and strings.
// With atEnd no more bytes are coming soon (the Esc timeout passed): a lone
// Esc is the Esc key, Esc with one more byte is Alt with that key, and
// anything else unfinished is dropped.
Parsed parseInput(std::string_view bytes, bool atEnd);

// Scans the body of an OSC, DCS or APC string for its end: ST or BEL ends
// it, Esc with anything else cancels it (the Esc starts new input).
struct StringScan {
  size_t body = 0;        // bytes of the body found in this piece
  size_t terminator = 0;  // bytes of the terminator (0 when cancelled or not there yet)
  bool finished = false;
};
StringScan scanString(std::string_view bytes);

}  // namespace tarn
