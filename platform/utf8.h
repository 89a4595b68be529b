// UTF-8, the terminal's side of the code page conversion.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tarn::utf8 {

// Appends the encoding of ch; a value that is no character (a surrogate or
// beyond U+10FFFF) is written as U+FFFD.
void append(std::string& out, char32_t ch);

struct Decoded {
  enum class Status { Ok, Incomplete, Invalid };
  Status status;
  char32_t ch = 0;     // with Ok
  size_t length = 0;   // bytes taken: the sequence with Ok, one byte with Invalid
};

// Decodes the character at the start of bytes. Incomplete: bytes ends inside
// a sequence that may still become valid. Overlong forms, surrogates and
// stray continuation bytes are Invalid.
Decoded decode(std::string_view bytes);

}  // namespace tarn::utf8
