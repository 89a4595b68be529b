// The calculator: arithmetic expressions with variables, functions and
// numbers read from the text of the file, for `calc`, `linenum` and
// `colnum` with an argument, and the templates' `@calc`.
//
// Grammar, loosest first; operators are left-associative and blanks are
// skipped between elements:
//   expression  term { (+|-) term }
//   term        power { (*|/) power }
//   power       comparison { ^ comparison }
//   comparison  unary { (<|>) unary }             1 when true, else 0
//   unary       { ! } primary                     1 when 0, else 0
//   primary     +( expression )  -( expression )  ( expression )
//               | expression                      absolute value of the rest
//               operand
//   operand     number: optional sign, decimal digits with a point and an
//                 exponent, or 0x and hexadecimal digits (32 bits)
//               function name (SIN COS TG CTG ASIN ACOS ATG EXP SQRT LOG
//                 INT, in any case), then its argument as a primary
//               variable name: its value, asked for when not yet known
//               $ or $(line,column): the number in the text there; each
//                 part +n or -n from the cursor's, or n from 1; omitted or
//                 0 keeps the cursor's
#pragma once
#include <string_view>

#include "core/variables.h"
#include "edit/calc_context.h"

namespace tarn::calc {

enum class Error {
  None = 0,
  DivisionByZero = 1,
  OutOfRange = 4,       // a function's argument outside its domain, or a number beyond a double
  MissingOperand = 10,  // the text ends, or holds another character, where an operand belongs
  MissingBracket,       // a `(` without its `)`
  TextLeftOver,         // the expression ends before the text
  TooDeep,              // brackets, `|` and function arguments nested beyond kMaxNesting
  Cancelled,            // the user cancelled a variable's prompt
  NotAName,             // an assignment to something that is no variable's name
};

// Deep enough for any expression a person writes; the bound keeps the
// parser's recursion far from the end of the stack.
constexpr int kMaxNesting = 256;

struct Evaluation {
  double value = 0;
  Error error = Error::None;

  bool ok() const { return error == Error::None; }
  static Evaluation failure(Error error) { return {0, error}; }
};

// A malformed expression fails before anything is read from the text or
// asked of the user; a well-formed one stops at its first error. Every
// value along the way is a finite number.
Evaluation evaluate(std::string_view expression, Variables& variables, Context& context);

// A variable's value, asked for and stored when it is not yet known.
Evaluation valueOf(std::string_view name, Variables& variables, Context& context);

}  // namespace tarn::calc
