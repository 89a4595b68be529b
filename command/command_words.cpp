#include "command/command_words.h"

#include "command/function_string.h"
#include "command/words.h"

namespace tarn::command {

namespace {
bool isArgumentBreak(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::vector<std::string> splitArguments(std::string_view text) {
  std::vector<std::string> args;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && isArgumentBreak(text[i])) ++i;
    if (i == text.size()) break;
    std::string token;
    if (text[i] == '"') {
      size_t end = text.find('"', i + 1);
      if (end == std::string_view::npos) end = text.size();
      token = std::string(text.substr(i + 1, end - i - 1));
      i = end < text.size() ? end + 1 : end;
    } else {
      while (i < text.size() && !isArgumentBreak(text[i])) token += text[i++];
    }
    args.push_back(std::move(token));
  }
  return args;
}

CommandWords splitTypedCommand(std::string_view text, const FunctionTable& functions) {
  text = skipBlanks(text);
  CommandWords words;
  size_t wordEnd = 0;
  if (expressionDelimiter(text, functions, nullptr, &wordEnd) != 0) {
    // l, c, locate, change: the word ends where the expression begins.
  } else {
    while (wordEnd < text.size() && !isBlank(text[wordEnd]) && text[wordEnd] != '/' && text[wordEnd] != '\\')
      ++wordEnd;
    if (wordEnd == 0 && !text.empty()) wordEnd = 1;  // a text that begins with '/' or '\'
  }
  words.word = std::string(text.substr(0, wordEnd));
  std::string_view rest = skipBlanks(text.substr(wordEnd));
  words.rest = std::string(rest);
  words.args = splitArguments(rest);
  return words;
}

std::string bracketInside(std::string_view text) {
  if (!text.empty() && text.front() == '[') text.remove_prefix(1);
  if (!text.empty() && text.back() == ']') text.remove_suffix(1);
  return std::string(trimBlanks(text));
}

}  // namespace tarn::command
