#include "command/words.h"

namespace tarn::command {

std::string_view skipBlanks(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  return text.substr(pos);
}

std::string_view trimBlanks(std::string_view text) {
  text = skipBlanks(text);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

FirstWord firstWord(std::string_view text) {
  text = skipBlanks(text);
  std::size_t end = 0;
  while (end < text.size() && !isBlank(text[end])) ++end;
  return {text.substr(0, end), text.substr(end)};
}

std::optional<char> quotedCharacter(std::string_view text) {
  if (text.size() != 3 || text.front() != '\'' || text.back() != '\'') return std::nullopt;
  return text[1];
}

std::vector<std::string_view> splitWords(std::string_view text, std::size_t limit) {
  std::vector<std::string_view> words;
  for (FirstWord next = firstWord(text); !next.word.empty() && words.size() < limit;
       next = firstWord(next.after)) {
    words.push_back(next.word);
  }
  return words;
}

}  // namespace tarn::command
