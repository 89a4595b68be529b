// Comparisons without regard to case, for file names and patterns (ASCII
// letters only: other bytes of the code page compare as they are).
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string lowerCase(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);
bool endsWithIgnoringCase(std::string_view text, std::string_view suffix);
// Sorts names without regard to case (names equal so by their bytes) and
// drops repeated ones.
void sortNamesIgnoringCase(std::vector<std::string>& names);

}  // namespace tarn
