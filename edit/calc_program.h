// An expression compiled into steps for a stack of values, in the order
// they run: the parser finds every syntax error before anything runs, and
// long chains such as 1+1+...+1 run without recursion.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "edit/calc_functions.h"
#include "edit/calc_operators.h"
#include "edit/calculator.h"

namespace tarn::calc {

// One part of a `$(line,column)` place: an offset from the cursor's, or
// a number from 1.
struct Coordinate {
  bool relative = true;
  int value = 0;
};

struct Step {
  enum class Kind : uint8_t {
    Number,      // pushes number
    Variable,    // pushes the value of name
    TextNumber,  // pushes the number in the text at line and column
    Combine,     // replaces the two top values by their combination with op
    Not,         // replaces the top value: 1 when it is 0, else 0
    Negate,
    Absolute,
    Apply,       // replaces the top value by function of it
  };
  explicit Step(Kind k) : kind(k) {}

  Kind kind;
  Operator op = Operator::Add;
  Function function = Function::Sin;
  double number = 0;
  std::string_view name;  // a part of the compiled text
  Coordinate line;
  Coordinate column;
};

struct Program {
  std::vector<Step> steps;
  Error error = Error::None;
};

// The program holds views of the expression's text.
Program compile(std::string_view expression);

}  // namespace tarn::calc
