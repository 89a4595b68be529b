// Locate and change expressions: the pieces between the delimiters
// (`/text/options`, `/old/new/options`) and the option letters, worked out
// from the `locateswitch` / `changeswitch` defaults and the command's own
// letters (a letter in both turns its option off).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarn::command {

struct SearchExpression {
  std::string text;
  std::optional<std::string> replacement;  // a change's new text; none when it is missing
  std::string letters;                     // the option text
};

// The expression after the command word. Its first character is the
// delimiter, unless it is a letter or digit: then the whole text is the
// search text. A piece without its closing delimiter runs to the end.
SearchExpression parseExpression(std::string_view rest, bool change);

struct SearchSwitches {
  bool backward = false;        // -
  bool exactCase = false;       // e
  bool pattern = false;         // x
  bool wholeWords = false;      // w
  bool insideMark = false;      // m
  bool outsideMark = false;     // n
  bool allWindows = false;      // a
  bool fromTop = false;         // o
  bool allOccurrences = false;  // *
  bool count = false;           // #
  bool middle = false;          // h
  bool topRow = false;          // t
  bool bottomRow = false;       // b
  bool stayOnCommandLine = false;  // c
  bool ignoreFailure = false;   // i
  // Locate only.
  bool select = false;       // s
  bool list = false;         // l
  bool foundFile = false;    // f
  bool removeLines = false;  // r
  bool highlight = false;    // g
  // Change only.
  bool prompt = false;  // p

  // The option bits the engine takes (core/search_request.h).
  uint32_t engineBits() const;
};

// Each letter of the defaults turns its option on, each letter of the
// command's own text flips it; letters are read without regard to case, and
// letters the command does not know are ignored.
SearchSwitches resolveSwitches(std::string_view defaults, std::string_view letters, bool change);

}  // namespace tarn::command
