#include "core/pc1_cipher.h"

#include <algorithm>

namespace tarn {

Pc1Stream::Pc1Stream(std::string_view password) {
  std::copy_n(password.begin(), std::min<size_t>(password.size(), key_.size()), key_.begin());
}

uint16_t Pc1Stream::mixWord(int index) {
  constexpr uint16_t kAdd = 0x015A;
  constexpr uint16_t kMultiply = 0x4E35;
  uint16_t word = words_[index];
  auto sum = static_cast<uint16_t>(carry_ + index);
  auto product = static_cast<uint16_t>(kAdd * word);
  carry_ = static_cast<uint16_t>(sum * kMultiply + product + swap_);
  swap_ = product;
  words_[index] = static_cast<uint16_t>(word * kMultiply + 1);
  return static_cast<uint16_t>(words_[index] ^ carry_);
}

uint16_t Pc1Stream::step() {
  uint16_t mixed = 0;
  for (int i = 0; i < 8; ++i) {
    uint16_t keyWord = static_cast<uint16_t>(key_[2 * i] << 8 | key_[2 * i + 1]);
    words_[i] = i == 0 ? keyWord : static_cast<uint16_t>(words_[i - 1] ^ keyWord);
    mixed ^= mixWord(i);
  }
  return mixed;
}

void Pc1Stream::absorb(uint8_t plain) {
  for (auto& k : key_) k ^= plain;
}

uint8_t Pc1Stream::encipher(uint8_t plain) {
  uint16_t i = step();
  absorb(plain);
  return static_cast<uint8_t>(plain ^ (i >> 8) ^ (i & 0xFF));
}

uint8_t Pc1Stream::decipher(uint8_t cipher) {
  uint16_t i = step();
  auto plain = static_cast<uint8_t>(cipher ^ (i >> 8) ^ (i & 0xFF));
  absorb(plain);
  return plain;
}

}  // namespace tarn
