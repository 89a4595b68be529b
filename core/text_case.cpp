#include "core/text_case.h"

#include <algorithm>
#include <compare>

namespace tarn {

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = asciiLower(c);
  return lower;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         equalsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

void sortNamesIgnoringCase(std::vector<std::string>& names) {
  // Bytes compare unsigned, as strings do; no lowered copy is made per comparison.
  auto caseless = [](char x, char y) {
    return static_cast<unsigned char>(asciiLower(x)) <=> static_cast<unsigned char>(asciiLower(y));
  };
  std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    auto order = std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end(), caseless);
    return order != 0 ? order < 0 : a < b;
  });
  names.erase(std::unique(names.begin(), names.end()), names.end());
}

}  // namespace tarn
