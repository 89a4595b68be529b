// The PC1 stream cipher with a 128-bit key (the key schedule with the
// constants 0x015A and 0x4E35). The key is the password's first 16 bytes
// padded with NUL; both the key and the state feed on every plaintext byte,
// so a stream must be started afresh for every line.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace tarn {

class Pc1Stream {
 public:
  explicit Pc1Stream(std::string_view password);

  uint8_t encipher(uint8_t plain);
  uint8_t decipher(uint8_t cipher);

 private:
  // One round over the eight key words; the mixed 16-bit value.
  uint16_t step();
  uint16_t mixWord(int index);
  void absorb(uint8_t plain);

  std::array<uint8_t, 16> key_{};
  std::array<uint16_t, 8> words_{};
  uint16_t carry_ = 0;  // runs through every word of every step
  uint16_t swap_ = 0;   // the product handed from one word to the next
};

}  // namespace tarn
