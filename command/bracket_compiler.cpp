#include "command/bracket_compiler.h"

#include <cctype>
#include <span>
#include <string>

#include "command/code_lists.h"
#include "command/decimal.h"
#include "command/function_string.h"
#include "command/words.h"

namespace tarn::command {
namespace {

// The most words a "words" argument reads, the function name included.
constexpr std::size_t kMostWords = 10;

void appendText(std::vector<int>& codes, std::string_view text) {
  for (char c : text) codes.push_back(static_cast<unsigned char>(c));
}

std::vector<int> withArgument(int code, std::string_view argument) {
  std::vector<int> codes{code};
  appendText(codes, argument);
  codes.push_back(fn::kArgumentEnd);
  return codes;
}

std::string joinWords(std::span<const std::string_view> words) {
  std::string joined;
  for (std::string_view word : words) {
    if (!joined.empty()) joined += ' ';
    joined.append(word);
  }
  return joined;
}

bool isAlphanumeric(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

}  // namespace

// The command word of a locate or change expression: the name of a function
// of that kind, not followed by a letter or digit.
std::optional<std::size_t> BracketCompiler::expressionWordLength(std::string_view text) const {
  std::size_t end = 0;
  while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
  if (end < text.size() && isAlphanumeric(text[end])) return std::nullopt;
  auto code = functions_.codeOf(text.substr(0, end));
  if (!code || functions_.argumentKind(*code) != ArgumentKind::Expression) return std::nullopt;
  return end;
}

std::optional<std::vector<int>> BracketCompiler::compile(std::string_view raw, int definingSynonym) const {
  const std::string_view text = trimBlanks(raw);
  if (text.empty()) return std::nullopt;

  if (auto code = functions_.codeOf(text)) {
    std::vector<int> codes{*code};
    if (takesArgument(functions_.argumentKind(*code))) codes.push_back(fn::kArgumentEnd);
    return codes;
  }
  if (auto codes = byFunctionWord(text)) return codes;
  if (auto codes = bySynonym(text, definingSynonym)) return codes;
  if (auto codes = bySpecialForm(text)) return codes;
  return byCommandWord(text);
}

std::optional<std::vector<int>> BracketCompiler::byFunctionWord(std::string_view text) const {
  auto name = functions_.leadingName(text);
  if (!name) return std::nullopt;
  const int code = name->code;
  const std::string_view rest = skipBlanks(name->after);
  const std::vector<std::string_view> words = splitWords(rest, kMostWords - 1);
  // The whole text was no name, so a word follows the name.
  const std::string_view second = words.empty() ? std::string_view() : words[0];

  switch (functions_.argumentKind(code)) {
    case ArgumentKind::RawText:
    case ArgumentKind::ScrollCount:
      return withArgument(code, rest);
    case ArgumentKind::Words:
      return withArgument(code, joinWords(words));
    case ArgumentKind::TwoWords: {
      std::string argument(second);
      if (words.size() == 2) argument.append(" ").append(words[1]);
      return withArgument(code, argument);
    }
    case ArgumentKind::Column:
      return withArgument(code, second);
    case ArgumentKind::Count:
      return withArgument(*functions_.countFormOf(code), rest);
    case ArgumentKind::Expression:
      return withArgument(code, name->after);
    case ArgumentKind::None:
      // `[fm 'x']` is a form of its own. Otherwise a function that takes no
      // argument is the code alone, words or not, as the string runner
      // takes it: `[dc 3]` is `[dc]`, for a code list holds no count for it.
      if (auto form = bySpecialForm(text)) return form;
      if (functions_.refusesQuoted(text, *name)) return std::nullopt;
      return std::vector<int>{code};
  }
  return std::nullopt;
}

std::optional<std::vector<int>> BracketCompiler::bySynonym(std::string_view text, int definingSynonym) const {
  const std::vector<std::string_view> words = splitWords(text, 2);
  auto entry = synonyms_.find(words[0]);
  if (!entry || *entry == definingSynonym) return std::nullopt;
  const int count = words.size() > 1 ? readDecimal(words[1]) : 0;
  return std::vector<int>{fn::kFirstSynonym + *entry, count >= 1 ? count : fn::kArgumentEnd};
}

std::optional<std::vector<int>> BracketCompiler::bySpecialForm(std::string_view text) const {
  if (auto form = functions_.quotedForm(text)) {
    const int character = static_cast<unsigned char>(form->character);
    if (isCharacterArgument(form->kind, character)) return std::vector<int>{form->code, character};
  }

  if (isDigits(text)) {
    const int character = readDecimal(text);
    if (character >= 1 && character <= 255) return withArgument(fn::kTypeChar, std::to_string(character));
  }
  return std::nullopt;
}

std::optional<std::vector<int>> BracketCompiler::byCommandWord(std::string_view text) const {
  const std::string command = withLocateWord(text, functions_);

  std::size_t wordLength = 0;
  if (auto length = expressionWordLength(command)) {
    wordLength = *length;
  } else {
    wordLength = command.find_first_of(" /\\\t");
    if (wordLength == std::string::npos) wordLength = command.size();
  }
  auto code = functions_.codeOf(std::string_view(command).substr(0, wordLength));
  // Only a function that reads an argument can take one here: any other
  // would leave the argument's characters to be typed.
  if (!code || !takesArgument(functions_.argumentKind(*code))) return std::nullopt;
  return withArgument(*code, std::string_view(command).substr(wordLength));
}

}  // namespace tarn::command
