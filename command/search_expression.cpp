#include "command/search_expression.h"

#include <cctype>

#include "command/ascii.h"
#include "command/words.h"
#include "core/search_request.h"

namespace tarn::command {

namespace {

// The text up to the next delimiter, and the rest after it.
std::string_view cutPiece(std::string_view& rest, char delimiter, bool* closed = nullptr) {
  size_t end = rest.find(delimiter);
  std::string_view piece = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  if (closed) *closed = end != std::string_view::npos;
  return piece;
}

struct Letter {
  char letter;
  bool SearchSwitches::*option;
  bool locate;
  bool change;
};

constexpr Letter kLetters[] = {
    {'-', &SearchSwitches::backward, true, true},
    {'e', &SearchSwitches::exactCase, true, true},
    {'x', &SearchSwitches::pattern, true, true},
    {'w', &SearchSwitches::wholeWords, true, true},
    {'m', &SearchSwitches::insideMark, true, true},
    {'n', &SearchSwitches::outsideMark, true, true},
    {'a', &SearchSwitches::allWindows, true, true},
    {'o', &SearchSwitches::fromTop, true, true},
    {'*', &SearchSwitches::allOccurrences, true, true},
    {'#', &SearchSwitches::count, true, true},
    {'h', &SearchSwitches::middle, true, true},
    {'t', &SearchSwitches::topRow, true, true},
    {'b', &SearchSwitches::bottomRow, true, true},
    {'c', &SearchSwitches::stayOnCommandLine, true, true},
    {'i', &SearchSwitches::ignoreFailure, true, true},
    {'s', &SearchSwitches::select, true, false},
    {'l', &SearchSwitches::list, true, false},
    {'f', &SearchSwitches::foundFile, true, false},
    {'r', &SearchSwitches::removeLines, true, false},
    {'g', &SearchSwitches::highlight, true, false},
    {'p', &SearchSwitches::prompt, false, true},
};

// Flips the option of every letter present in the text (once, however often it stands there).
void flipLetters(SearchSwitches& switches, std::string_view text, bool change) {
  std::string lowered = asciiLower(text);
  for (const Letter& l : kLetters)
    if ((change ? l.change : l.locate) && lowered.find(l.letter) != std::string::npos)
      switches.*l.option = !(switches.*l.option);
}

}  // namespace

SearchExpression parseExpression(std::string_view rest, bool change) {
  SearchExpression expression;
  rest = skipBlanks(rest);
  if (rest.empty()) return expression;
  if (std::isalnum(static_cast<unsigned char>(rest.front()))) {
    expression.text = std::string(trimBlanks(rest));
    return expression;
  }
  const char delimiter = rest.front();
  rest.remove_prefix(1);
  bool closed = false;
  expression.text = std::string(cutPiece(rest, delimiter, &closed));
  // `c/old/` names no new text; `c/old//` names an empty one.
  if (change && closed && !rest.empty()) expression.replacement = std::string(cutPiece(rest, delimiter));
  expression.letters = std::string(rest);
  return expression;
}

uint32_t SearchSwitches::engineBits() const {
  uint32_t bits = 0;
  if (!exactCase) bits |= searchbit::kIgnoreCase;
  if (!pattern) bits |= searchbit::kPlainText;
  if (select) bits |= searchbit::kSelect;
  if (wholeWords) bits |= searchbit::kWholeWord;
  if (prompt) bits |= searchbit::kPrompt;
  if (allOccurrences) bits |= searchbit::kChangeAll;
  if (insideMark) bits |= searchbit::kInsideMark;
  if (outsideMark) bits |= searchbit::kOutsideMark;
  return bits;
}

SearchSwitches resolveSwitches(std::string_view defaults, std::string_view letters, bool change) {
  SearchSwitches switches;
  flipLetters(switches, defaults, change);
  flipLetters(switches, letters, change);
  return switches;
}

}  // namespace tarn::command
