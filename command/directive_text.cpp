#include "command/directive_text.h"

#include <charconv>

#include "command/ascii.h"
#include "command/words.h"

namespace tarn::command {

namespace {

constexpr size_t kLongestWidth = 20;

Directive::Kind kindOf(std::string_view word) {
  struct Named {
    std::string_view word;
    Directive::Kind kind;
  };
  static constexpr Named kWords[] = {
      {"@input", Directive::Kind::Input}, {"@set", Directive::Kind::Set},     {"@calc", Directive::Kind::Calc},
      {"@if", Directive::Kind::If},       {"@else", Directive::Kind::Else},   {"@endif", Directive::Kind::Endif},
  };
  std::string lowered = asciiLower(word);
  for (const Named& named : kWords)
    if (named.word == lowered) return named.kind;
  return Directive::Kind::Unknown;
}

std::string withoutQuotes(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '"') out += c;
  return out;
}

// Where the operator begins: `=`, and for a test also `<` and `>`, outside
// double quotes.
size_t operatorAt(std::string_view text, bool test) {
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == '=' || (test && (c == '<' || c == '>')))) return i;
  }
  return std::string_view::npos;
}

size_t operatorLength(std::string_view text, size_t at, bool test) {
  if (!test || text[at] == '=' || at + 1 >= text.size()) return 1;
  char second = text[at + 1];
  return second == '=' || (text[at] == '<' && second == '>') ? 2 : 1;
}

// `[8.2]` at the start of a value: the width, and the value after it.
void readWidth(std::string_view value, Directive& d) {
  if (!value.empty() && value.front() == '[') {
    size_t close = value.find(']');
    if (close != std::string_view::npos && close - 1 <= kLongestWidth) {
      std::string_view number = value.substr(1, close - 1);
      double width = 0;
      auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), width);
      if (error == std::errc() && end == number.data() + number.size()) {
        d.width = width;
        value.remove_prefix(close + 1);
      }
    }
  }
  d.value = withoutQuotes(value);
}

}  // namespace

Directive parseDirective(std::string_view text) {
  Directive d;
  std::string_view rest = text;
  if (!text.empty() && text.front() == '[') {
    d.kind = Directive::Kind::Function;
    d.function = text;
    return d;
  }
  if (!text.empty() && text.front() == '@') {
    size_t end = text.find_first_of(" \t\"");
    d.word = text.substr(0, end);
    d.kind = kindOf(d.word);
    rest = end == std::string_view::npos ? std::string_view() : skipBlanks(text.substr(end));
  }
  bool test = d.kind == Directive::Kind::If;
  size_t at = operatorAt(rest, test);
  d.name = withoutQuotes(rest.substr(0, at));
  if (at == std::string_view::npos) return d;
  size_t length = operatorLength(rest, at, test);
  d.op = rest.substr(at, length);
  readWidth(rest.substr(at + length), d);
  return d;
}

}  // namespace tarn::command
