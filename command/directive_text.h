// The text of one template directive, between `<%` and `%>`:
//   @input name[=[width]default]   @set name=[width]value
//   @calc name=[width]expression   @calc expression (typed, not kept)
//   @if name=value (or <> < > <= >=)   @else   @endif
//   name[=[width]default]          a variable typed, asked for when new
//   [function]...                  a function string run in its place
// The word after `@` ends at a blank or a double quote. Blanks around the
// operator belong to the name and the value; double quotes group text that
// holds operator characters and are dropped. A value may begin with a
// width in brackets (a decimal number of at most 20 characters: 8.2, -10).
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tarn::command {

struct Directive {
  enum class Kind { Input, Set, Calc, If, Else, Endif, Function, Variable, Unknown };
  Kind kind = Kind::Variable;
  std::string word;      // the `@` word as written, for Unknown
  std::string name;
  std::string op;        // empty when no operator was written
  std::optional<double> width;
  std::string value;
  std::string function;  // for Function: the whole text
};

Directive parseDirective(std::string_view text);

}  // namespace tarn::command
