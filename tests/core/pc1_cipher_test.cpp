#include <gtest/gtest.h>

#include "core/encrypted_format.h"
#include "core/pc1_cipher.h"

namespace tarn {
namespace {

std::string hexOf(std::string_view password, std::string_view plain) {
  std::string out;
  encipherLine(plain, password, out);
  return out;
}

TEST(Pc1Cipher, KnownVectors) {
  EXPECT_EQ(hexOf("0123456789ABCDEF", "hello"), "8BA5F34DC5");
  EXPECT_EQ(hexOf("secret", "A"), "6A");
  EXPECT_EQ(hexOf("", "hello"), "0C54CA60F9");
}

TEST(Pc1Cipher, OnlyTheFirstSixteenCharactersAreTheKey) {
  EXPECT_EQ(hexOf("0123456789ABCDEFGHIJKLMNOPQRSTUV", "hello"), "8BA5F34DC5");
}

TEST(Pc1Cipher, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (std::string_view password : {"", "k", "a much longer password"}) {
    std::string hex = hexOf(password, all);
    ASSERT_EQ(hex.size(), 512u);
    std::string back;
    ASSERT_TRUE(decipherLine(hex, password, back));
    EXPECT_EQ(back, all) << password;
  }
  // Each byte alone, with a stream started afresh.
  for (int b = 0; b < 256; ++b) {
    Pc1Stream enc("pw"), dec("pw");
    EXPECT_EQ(dec.decipher(enc.encipher(static_cast<uint8_t>(b))), b);
  }
}

TEST(Pc1Cipher, EachLineStartsAfresh) {
  EXPECT_EQ(hexOf("secret", "A"), hexOf("secret", "A"));
  EXPECT_NE(hexOf("secret", "AA").substr(2), "6A") << "the key feeds on the text";
}

TEST(EncryptedFormat, HeaderAndMalformedLines) {
  EXPECT_EQ(kEncryptedHeader.size(), 24u);
  EXPECT_EQ(kEncryptedHeader[0], '\0');
  EXPECT_TRUE(startsWithEncryptedHeader(std::string(kEncryptedHeader) + "41"));
  EXPECT_FALSE(startsWithEncryptedHeader(kEncryptedHeader.substr(0, 23)));
  std::string out;
  EXPECT_FALSE(decipherLine("ABC", "pw", out)) << "odd number of digits";
  EXPECT_FALSE(decipherLine("4G", "pw", out)) << "not hexadecimal";
  EXPECT_TRUE(out.empty());
  EXPECT_TRUE(decipherLine("8ba5f34dc5", "0123456789ABCDEF", out)) << "lower-case digits read too";
  EXPECT_EQ(out, "hello");
}

}  // namespace
}  // namespace tarn
