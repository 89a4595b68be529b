// One keyword set: the syntax of a language as its keyword file describes it
// (separators, remark markers and columns, string delimiters, case) and its
// keyword table, with the words learned while editing.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "edit/keyword_table.h"

namespace tarn {

// A remark marker: at most ten characters; an empty one never matches.
class Marker {
 public:
  static constexpr size_t kLongest = 10;

  explicit Marker(std::string_view text) { assign(text); }
  // Keeps the first ten characters of a longer text.
  void assign(std::string_view text);
  std::string_view text() const { return {bytes_.data(), size_}; }
  bool empty() const { return size_ == 0; }

 private:
  std::array<char, kLongest> bytes_{};
  uint8_t size_ = 0;
};

// What a byte is to the tokenizer, as bits.
namespace char_kind {
constexpr uint8_t kWhite = 1;
constexpr uint8_t kSeparator = 2;
constexpr uint8_t kStringDelimiter = 4;
constexpr uint8_t kDigit = 8;
constexpr uint8_t kInNumber = 16;  // letters, digits and dots
constexpr uint8_t kInWord = 32;    // neither white, separator nor string delimiter
}  // namespace char_kind

class KeywordSet {
 public:
  static constexpr size_t kLongestSeparators = 1023;
  static constexpr size_t kMostStringDelimiters = 10;

  KeywordSet();

  // The separator characters (the first 1023 kept).
  void setSeparators(std::string_view separators);
  // The string delimiters (the first ten kept).
  void setStringDelimiters(std::string_view delimiters);
  std::string_view separators() const { return separators_; }
  std::string_view stringDelimiters() const { return delimiters_; }
  uint8_t kindOf(char c) const { return kinds_[static_cast<unsigned char>(c)]; }

  Marker remarkBegin{"/*"};
  Marker remarkEnd{"*/"};
  Marker remarkLine{"//"};
  int remarkColumn = 0;    // one-based column the remark-line marker must stand in; 0 anywhere
  int remarkAfter = 0;     // one-based column from which the text is a remark; 0 means 10240
  int sequenceBefore = 0;  // the columns before this one are the sequence-number area
  bool ignoreCase = false;
  bool keywordsEnded = false;  // the keyword file had its end-of-keywords line

  // The class of a word: token::kKeyword, token::kLaterKeyword or token::kWord.
  char wordClass(std::string_view word) const;

  // `autocomplete`: the keywords that begin with a prefix, without regard to case, sorted.
  std::vector<std::string> keywordsStartingWith(std::string_view prefix) const;

  KeywordTable& keywords() { return keywords_; }
  const KeywordTable& keywords() const { return keywords_; }

  // `learn`: adds a word that is not in the table yet (lower-cased when case
  // is ignored), with the learned bit and the first-listed bit as the words
  // of the keyword file get them. False when it is there already.
  bool learn(std::string_view word);
  // The words learned since the keyword file last took them, in the order learned.
  const std::vector<std::string>& unsavedWords() const { return unsaved_; }
  void markWordsSaved() { unsaved_.clear(); }

 private:
  void updateKinds();

  std::string separators_;
  std::string delimiters_;
  std::array<uint8_t, 256> kinds_{};
  KeywordTable keywords_;
  std::vector<std::string> unsaved_;
};

}  // namespace tarn
