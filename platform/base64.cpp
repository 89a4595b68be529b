#include "platform/base64.h"

#include <cstdint>

namespace tarn {

std::string base64Encode(std::string_view bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  auto byte = [&](size_t at) { return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])); };
  for (; i + 3 <= bytes.size(); i += 3) {
    uint32_t group = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
    for (int shift = 18; shift >= 0; shift -= 6) out += kDigits[(group >> shift) & 63];
  }
  size_t rest = bytes.size() - i;
  if (rest > 0) {
    uint32_t group = byte(i) << 16 | (rest == 2 ? byte(i + 1) << 8 : 0);
    out += kDigits[(group >> 18) & 63];
    out += kDigits[(group >> 12) & 63];
    out += rest == 2 ? kDigits[(group >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

}  // namespace tarn
