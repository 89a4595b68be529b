#include "edit/keyword_set.h"

#include <algorithm>

#include "core/text_case.h"
#include "edit/token_classes.h"

namespace tarn {

namespace {

constexpr std::string_view kDefaultSeparators = "(){}[]<>+-*/=%!|^&~,.;:?";
constexpr std::string_view kDefaultStringDelimiters = "\"'";

bool isAsciiLetterOrDigit(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

void Marker::assign(std::string_view text) {
  size_ = static_cast<uint8_t>(std::min(text.size(), kLongest));
  std::copy_n(text.data(), size_, bytes_.data());
}

KeywordSet::KeywordSet()
    : separators_(kDefaultSeparators), delimiters_(kDefaultStringDelimiters) {
  updateKinds();
}

void KeywordSet::setSeparators(std::string_view separators) {
  separators_ = separators.substr(0, kLongestSeparators);
  updateKinds();
}

void KeywordSet::setStringDelimiters(std::string_view delimiters) {
  delimiters_ = delimiters.substr(0, kMostStringDelimiters);
  updateKinds();
}

void KeywordSet::updateKinds() {
  using namespace char_kind;
  for (int c = 0; c < 256; ++c) {
    uint8_t kind = 0;
    if (c == ' ' || c == '\t') kind |= kWhite;
    if (c >= '0' && c <= '9') kind |= kDigit;
    if (isAsciiLetterOrDigit(static_cast<unsigned char>(c)) || c == '.') kind |= kInNumber;
    kinds_[c] = kind;
  }
  for (char c : separators_) kinds_[static_cast<unsigned char>(c)] |= kSeparator;
  for (char c : delimiters_) kinds_[static_cast<unsigned char>(c)] |= kStringDelimiter;
  for (uint8_t& kind : kinds_)
    if (!(kind & (kWhite | kSeparator | kStringDelimiter))) kind |= kInWord;
}

char KeywordSet::wordClass(std::string_view word) const {
  const int value = ignoreCase ? keywords_.findLowered(word) : keywords_.find(word);
  if (value == KeywordTable::kAbsent) return token::kWord;
  return value & keyword_bit::kListedFirst ? token::kKeyword : token::kLaterKeyword;
}

std::vector<std::string> KeywordSet::keywordsStartingWith(std::string_view prefix) const {
  std::vector<std::string> found;
  keywords_.forEach([&](std::string_view word, uint8_t) {
    if (startsWithIgnoringCase(word, prefix)) found.emplace_back(word);
  });
  std::sort(found.begin(), found.end());
  return found;
}

bool KeywordSet::learn(std::string_view word) {
  if (word.empty()) return false;
  std::string stored = ignoreCase ? lowerCase(word) : std::string(word);
  const uint8_t value = keyword_bit::kLearned | (keywordsEnded ? 0 : keyword_bit::kListedFirst);
  if (!keywords_.insert(stored, value, false)) return false;
  unsaved_.push_back(std::move(stored));
  return true;
}

}  // namespace tarn
