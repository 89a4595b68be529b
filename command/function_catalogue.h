// The catalogue of named functions and typed commands: one row per code and
// place in the name table, holding its names, how its argument is compiled
// and its built-in help text. Everything that knows a function by name reads
// this catalogue through FunctionTable (which also holds the handlers) and
// HelpTexts.
#pragma once
#include <array>
#include <span>
#include <string_view>

namespace tarn::command {

// What follows a function's code when a bracket is compiled into a code list.
enum class ArgumentKind {
  None,
  RawText,      // the rest of the bracket text, unchanged
  Words,        // the second to tenth words, joined by single blanks
  TwoWords,     // the second word, and the third when exactly three were given
  Column,       // the second word
  Count,        // the code is replaced by its count form, then the count
  ScrollCount,  // the count follows the code itself
  Expression,   // a locate or change expression, compiled on its own terms
};

// A character that follows the code in a code list, written quoted after the
// name in a bracket: `[bookmark set 'a']` (after the full name only), `[fm 'x']`.
enum class CharacterArgument { None, Letter, Any };

// The help list a row's text is shown in. Command texts are whole lines;
// function texts are shown after "full name: [abbreviation] ".
enum class HelpList { None, Command, Function };

struct FunctionRow {
  // The names of this row, consecutive in the name table; unused ones empty.
  // In a function row the first is the abbreviation and the last the full name.
  std::array<std::string_view, 3> names;
  int code;
  ArgumentKind argument;
  HelpList list;
  std::string_view help;
  int countCode = 0;  // the count form of a Count code
  CharacterArgument character = CharacterArgument::None;
};

// Rows in table order: the typed commands first, then the functions.
std::span<const FunctionRow> functionCatalogue();

// The codes that later work builds: named, shown in help, not carried out yet.
std::span<const int> laterCodes();

}  // namespace tarn::command
