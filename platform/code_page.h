// Console code pages: what each cell byte stands for in Unicode, and back.
// The editor keeps text as bytes of one of these pages; the terminal speaks
// Unicode (UTF-8).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarn {

class CodePage {
 public:
  // The supported pages: 437, 850, 1252, 28591; nullptr for any other number.
  static const CodePage* find(int number);
  // Frames and line drawing are always shown through this one.
  static const CodePage& oem437();

  int number() const { return number_; }

  // The character the byte stands for in text (control bytes stay controls).
  char32_t toUnicode(uint8_t byte) const;
  // What a cell holding the byte shows: control bytes appear as the console's
  // symbols (smileys, arrows ...), so nothing written to the screen is a control.
  char32_t glyph(uint8_t byte) const;
  // The byte that stands for the character, if the page has one.
  std::optional<uint8_t> fromUnicode(char32_t ch) const;

  // Text of this page as UTF-8, for other programs.
  std::string toUtf8(std::string_view bytes) const;
  // UTF-8 from other programs as text of this page: a character the page
  // lacks, and a byte that is no UTF-8, becomes '?'. ASCII text is handed
  // back as it came.
  std::string fromUtf8(std::string text) const;
  // Whether UTF-8 text is all ASCII, which every page takes as it is.
  static bool isAscii(std::string_view text);

 private:
  CodePage(int number, const char32_t* upperHalf);

  int number_;
  const char32_t* upperHalf_;  // bytes 0x80..0xFF; the lower half is ASCII
  std::vector<std::pair<char32_t, uint8_t>> reverse_;  // sorted by character
};

}  // namespace tarn
