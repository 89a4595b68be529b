#include "platform/code_page.h"

#include <gtest/gtest.h>

#include "platform/utf8.h"

namespace tarn {
namespace {

TEST(CodePage, EveryByteGoesToUnicodeAndBack) {
  for (int number : {437, 850, 1252, 28591}) {
    const CodePage* page = CodePage::find(number);
    ASSERT_NE(page, nullptr) << number;
    for (int b = 0; b < 256; ++b) {
      auto byte = static_cast<uint8_t>(b);
      EXPECT_EQ(page->fromUnicode(page->toUnicode(byte)), byte) << number << " byte " << b;
      char32_t glyph = page->glyph(byte);
      EXPECT_TRUE(glyph >= 0x20 && glyph != 0x7F && !(glyph >= 0x80 && glyph < 0xA0))
          << number << " byte " << b << " shows as a control";
    }
  }
  EXPECT_EQ(CodePage::find(65001), nullptr);
}

TEST(CodePage, KnownCharacters) {
  struct Case {
    int page;
    uint8_t byte;
    char32_t ch;
  };
  for (Case c : {Case{437, 0xC9, U'╔'}, Case{437, 0x82, U'é'}, Case{437, 0xE1, U'ß'},
                 Case{850, 0x9B, U'ø'}, Case{850, 0xC9, U'╔'}, Case{1252, 0x80, U'€'},
                 Case{1252, 0xE9, U'é'}, Case{28591, 0xE9, U'é'}, Case{28591, 0x41, U'A'}}) {
    EXPECT_EQ(CodePage::find(c.page)->toUnicode(c.byte), c.ch) << c.page << " " << int(c.byte);
  }
  const CodePage& oem = CodePage::oem437();
  EXPECT_EQ(oem.glyph(0x01), U'☺');
  EXPECT_EQ(oem.glyph(0x00), U' ');
  EXPECT_EQ(oem.glyph(0x7F), U'⌂');
  EXPECT_EQ(oem.toUnicode(0x01), U'\x01');
  EXPECT_EQ(oem.fromUnicode(U'☺'), std::nullopt);  // a picture of a control byte is no character
  EXPECT_EQ(oem.fromUnicode(U'€'), std::nullopt);
  EXPECT_EQ(CodePage::find(1252)->glyph(0x81), U'\xFFFD');
}

// Text leaves the editor as UTF-8 and comes back into the console's page.
TEST(CodePage, TextToAndFromUtf8) {
  struct Case {
    int page;
    std::string bytes;
    std::string utf8;
  };
  for (const Case& c : {Case{437, "caf\x82 \xC9\xCD\t1", "caf\u00E9 \u2554\u2550\t1"},
                        Case{1252, "\x80 5", "\u20AC 5"}, Case{28591, "\xE9\xFF", "\u00E9\u00FF"},
                        Case{437, "", ""}}) {
    const CodePage* page = CodePage::find(c.page);
    EXPECT_EQ(page->toUtf8(c.bytes), c.utf8) << c.page;
    EXPECT_EQ(page->fromUtf8(c.utf8), c.bytes) << c.page;
  }
  // What the page lacks, and bytes that are no UTF-8, become question marks.
  EXPECT_EQ(CodePage::oem437().fromUtf8("\u20AC x \xFF y \xE2\x82"), "? x ? y ??");
}

TEST(Utf8, EncodesAndDecodesEveryLength) {
  for (char32_t ch : {U'A', U'é', U'€', U'╔', U'\U0001F600', U'\x7F', U'\x80', U'\U0010FFFF'}) {
    std::string bytes;
    utf8::append(bytes, ch);
    utf8::Decoded d = utf8::decode(bytes);
    EXPECT_EQ(d.status, utf8::Decoded::Status::Ok);
    EXPECT_EQ(d.ch, ch);
    EXPECT_EQ(d.length, bytes.size());
  }
  std::string replaced;
  utf8::append(replaced, 0xD800);
  EXPECT_EQ(replaced, "\xEF\xBF\xBD");
}

TEST(Utf8, RejectsWhatIsNoCharacter) {
  using S = utf8::Decoded::Status;
  struct Case {
    const char* bytes;
    S status;
  };
  for (Case c : {Case{"\x80", S::Invalid}, Case{"\xC0\x80", S::Invalid}, Case{"\xE0\x80\x80", S::Invalid},
                 Case{"\xED\xA0\x80", S::Invalid}, Case{"\xF4\x90\x80\x80", S::Invalid},
                 Case{"\xF0\x80\x80\x80", S::Invalid}, Case{"\xC3" "a", S::Invalid},
                 Case{"\xE2\x82", S::Incomplete}, Case{"\xF0\x9F\x98", S::Incomplete}}) {
    utf8::Decoded d = utf8::decode(c.bytes);
    EXPECT_EQ(d.status, c.status) << testing::PrintToString(std::string(c.bytes));
    if (c.status == S::Invalid) {
      EXPECT_EQ(d.length, 1u);
    }
  }
}

}  // namespace
}  // namespace tarn
