#include "platform/utf8.h"

namespace tarn::utf8 {

void append(std::string& out, char32_t ch) {
  if ((ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF) ch = 0xFFFD;
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (ch >> 18));
    out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

Decoded decode(std::string_view bytes) {
  using S = Decoded::Status;
  if (bytes.empty()) return {S::Incomplete};
  auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x80) return {S::Ok, lead, 1};
  size_t length;
  char32_t ch;
  char32_t least;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, ch = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, ch = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, ch = lead & 0x07, least = 0x10000;
  } else {
    return {S::Invalid, 0, 1};
  }
  for (size_t i = 1; i < length; ++i) {
    if (i >= bytes.size()) return {S::Incomplete};
    auto b = static_cast<unsigned char>(bytes[i]);
    if ((b & 0xC0) != 0x80) return {S::Invalid, 0, 1};
    ch = (ch << 6) | (b & 0x3F);
    // Reject overlong and out-of-range forms as soon as the second byte shows them.
    if (i == 1 && length > 2 && (ch << (6 * (length - 2))) < least) return {S::Invalid, 0, 1};
    if (i == 1 && length == 4 && (ch << 12) > 0x10FFFF) return {S::Invalid, 0, 1};
    if (i == 1 && length == 3 && (ch << 6) >= 0xD800 && (ch << 6) <= 0xDFFF) return {S::Invalid, 0, 1};
  }
  return {S::Ok, ch, length};
}

}  // namespace tarn::utf8
