// Cutting command text into blank-separated words. Blanks are blanks and
// tabs; the text is bytes of the console code page.
#pragma once
#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace tarn::command {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view skipBlanks(std::string_view text);
std::string_view trimBlanks(std::string_view text);

// The first word and what follows it (with the blanks between them).
struct FirstWord {
  std::string_view word;
  std::string_view after;  // from the end of the word
};
FirstWord firstWord(std::string_view text);

// At most `limit` words; what lies beyond them is not read.
std::vector<std::string_view> splitWords(std::string_view text,
                                         std::size_t limit = std::numeric_limits<std::size_t>::max());

// `'c'` exactly: the quoted character.
std::optional<char> quotedCharacter(std::string_view text);

}  // namespace tarn::command
