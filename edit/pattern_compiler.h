// Compiles the pattern language:
//   ?            any one character
//   x* x+        the element before zero or more / one or more times, longest
//                first; at the very start or after ^, $ or another *, and
//                where no element precedes, * and + are ordinary characters
//   ^            column 0 of a line
//   $            the end of a line at the end of the pattern or before | or };
//                elsewhere an ordinary character
//   [a-z] [^..]  a class; - first or last is a minus, \ escapes; a class
//                listing a line feed takes the end of a line and the match
//                runs on to the next line
//   {a|b} a|b    alternatives, tried in order; | in a group splits the group
//   \( \)        a group (at most 9); \1 to \9 the text of a closed group
//   \c           where the cursor goes when the pattern matches
//   \t \n \r \b \f \E  control characters; \ before anything else: itself
//   :a :b :c :d :f :h :i :l :w  predefined classes, expanded in place
// With case ignored, literal characters are upper-cased here and every
// letter of a class adds its upper-case form; the matcher upper-cases the
// text. A pattern that is malformed (an unclosed class, brace or group, a
// \) without its \(, more than 9 groups, a back reference to a group not
// yet closed) or too large gives nothing.
#pragma once
#include <optional>
#include <string_view>

#include "edit/pattern_program.h"

namespace tarn {

std::optional<PatternProgram> compilePattern(std::string_view text, bool ignoreCase);

}  // namespace tarn
