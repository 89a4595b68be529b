#include "core/encrypted_format.h"

#include "core/pc1_cipher.h"

namespace tarn {

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool startsWithEncryptedHeader(std::string_view bytes) { return bytes.starts_with(kEncryptedHeader); }

void encipherLine(std::string_view text, std::string_view password, std::string& out) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  Pc1Stream stream(password);
  for (char c : text) {
    uint8_t e = stream.encipher(static_cast<uint8_t>(c));
    out += kDigits[e >> 4];
    out += kDigits[e & 0xF];
  }
}

bool decipherLine(std::string_view hexDigits, std::string_view password, std::string& out) {
  if (hexDigits.size() % 2) return false;
  for (char c : hexDigits)
    if (hexValue(c) < 0) return false;
  Pc1Stream stream(password);
  for (size_t i = 0; i < hexDigits.size(); i += 2) {
    auto c = static_cast<uint8_t>(hexValue(hexDigits[i]) << 4 | hexValue(hexDigits[i + 1]));
    out += static_cast<char>(stream.decipher(c));
  }
  return true;
}

}  // namespace tarn
