// Finding one byte in a line, the first step of every search: a plain text
// or a pattern that starts with a known character is only tried where that
// character stands.
#pragma once
#include <cstddef>
#include <string_view>

namespace tarn {

// With eitherCase, a letter is found in either of its ASCII cases.
struct ByteToFind {
  unsigned char byte;
  bool eitherCase;
};

ByteToFind byteToFind(char c, bool ignoreCase);

// The first place at or after from where the byte stands, or npos.
size_t scanForward(std::string_view text, size_t from, ByteToFind wanted);
// The last place at or before from (clamped to the text) where it stands, or npos.
size_t scanBackward(std::string_view text, size_t from, ByteToFind wanted);

}  // namespace tarn
