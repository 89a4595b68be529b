// Cutting a function string into the pieces the string runner carries out:
// command segments, literal text, bracketed functions and loop braces.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarn::command {

class FunctionTable;

struct StringPiece {
  enum class Kind { Segment, Literal, Bracket, LoopOpen, LoopClose };
  Kind kind;
  std::string text;  // Segment and Bracket: the command text; Literal: the characters to type
};

constexpr size_t kLongestSegment = 1023;

// Whether a string is one command that is not cut (define, set, syn, help lines).
bool isWholeCommand(std::string_view text, const FunctionTable& functions);

// Cuts a string into pieces. Blank segments are left out; segments longer
// than kLongestSegment lose the characters beyond.
std::vector<StringPiece> cutFunctionString(std::string_view text, const FunctionTable& functions);

// The locate/change word and delimiter of a command text: the delimiter is
// '/' for a leading '/', else the first non-blank character after the name
// of a locate or change function. 0 when the text is no expression;
// `occurrences` receives how often the delimiter must be seen (2 locate,
// 3 change).
char expressionDelimiter(std::string_view text, const FunctionTable& functions, int* occurrences = nullptr,
                         size_t* wordEnd = nullptr);

// A text that begins with '/' is a locate: the locate function's name goes before it.
std::string withLocateWord(std::string_view text, const FunctionTable& functions);

}  // namespace tarn::command
