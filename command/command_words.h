// Splitting one command text into its command word and arguments.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarn::command {

class FunctionTable;

struct CommandWords {
  std::string word;               // the command word as written
  std::string rest;               // the text after the command word and the blanks after it
  std::vector<std::string> args;  // the argument tokens
};

// Typed text: the word is cut at blank, tab, '/' and '\' (for locate and
// change at the expression's delimiter); arguments are cut at blank, tab,
// CR and LF, and a double-quoted token keeps its blanks without its quotes.
CommandWords splitTypedCommand(std::string_view text, const FunctionTable& functions);

// Argument tokens of a text.
std::vector<std::string> splitArguments(std::string_view text);

// The inside of a bracketed text, without the brackets and the blanks next to them.
std::string bracketInside(std::string_view text);

}  // namespace tarn::command
