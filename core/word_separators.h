// The word separators: one flag per byte value, shared by every document.
// A word is a maximal run of bytes that are not separators.
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace tarn {

class WordSeparators {
 public:
  WordSeparators() { reset(); }

  bool isSeparator(unsigned char byte) const { return flags_[byte]; }
  bool isSeparator(char byte) const { return flags_[static_cast<unsigned char>(byte)]; }

  // Tab, line feed, carriage return and blank.
  void reset();

  // Rebuilds the table from a `delimiters` value: surrounding double quotes
  // are dropped, then the bytes listed become the separators (with
  // allExcept, every byte but them). Escapes: \" \\ \a \b \f \n \r \t \v,
  // and \ with a decimal number of up to three digits for that byte.
  // Returns false and leaves the table as it was for an unknown escape, a
  // number above 255 or a lone backslash at the end.
  bool rebuild(std::string_view value, bool allExcept = false);

  // The listed form of the current table (the bytes whose flag is set),
  // escaped so that rebuild reads it back to the same table.
  std::string listed() const;

 private:
  std::array<bool, 256> flags_{};
};

}  // namespace tarn
