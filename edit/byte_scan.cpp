#include "edit/byte_scan.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tarn {

namespace {

constexpr unsigned char kCaseBit = 0x20;

bool isAsciiLetter(unsigned char c) {
  unsigned char lower = c | kCaseBit;
  return lower >= 'a' && lower <= 'z';
}

}  // namespace

ByteToFind byteToFind(char c, bool ignoreCase) {
  auto byte = static_cast<unsigned char>(c);
  if (ignoreCase && isAsciiLetter(byte)) return {static_cast<unsigned char>(byte | kCaseBit), true};
  return {byte, false};
}

size_t scanForward(std::string_view text, size_t from, ByteToFind wanted) {
  if (from >= text.size()) return std::string_view::npos;
  if (!wanted.eitherCase) {
    const void* hit = std::memchr(text.data() + from, wanted.byte, text.size() - from);
    return hit ? static_cast<const char*>(hit) - text.data() : std::string_view::npos;
  }
  // The byte is a lower-case letter: setting the case bit folds exactly its
  // upper-case form onto it. Sixteen bytes are folded and compared at a time.
  size_t i = from;
  if constexpr (std::endian::native == std::endian::little) {
    using Bytes = uint8_t __attribute__((vector_size(16)));
    for (; i + 16 <= text.size(); i += 16) {
      Bytes v;
      std::memcpy(&v, text.data() + i, sizeof v);
      Bytes hits = (v | kCaseBit) == wanted.byte;
      uint64_t half[2];
      std::memcpy(half, &hits, sizeof half);
      if (half[0]) return i + std::countr_zero(half[0]) / 8;
      if (half[1]) return i + 8 + std::countr_zero(half[1]) / 8;
    }
  }
  for (; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) | kCaseBit) == wanted.byte) return i;
  return std::string_view::npos;
}

size_t scanBackward(std::string_view text, size_t from, ByteToFind wanted) {
  if (text.empty()) return std::string_view::npos;
  size_t end = from < text.size() ? from + 1 : text.size();
  if (!wanted.eitherCase) {
    const void* hit = memrchr(text.data(), wanted.byte, end);
    return hit ? static_cast<const char*>(hit) - text.data() : std::string_view::npos;
  }
  for (size_t i = end; i-- > 0;)
    if ((static_cast<unsigned char>(text[i]) | kCaseBit) == wanted.byte) return i;
  return std::string_view::npos;
}

}  // namespace tarn
