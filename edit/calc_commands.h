// What the commands built on the calculator show, store and type.
#pragma once
#include <string>
#include <string_view>

#include "edit/calculator.h"

namespace tarn::calc {

struct CalcOutcome {
  Evaluation evaluation;
  std::string message;  // for the message line: the result, or why it failed (empty when the user cancelled)
  std::string stored;   // the variable that was given the value; empty when none
};

// `calc`: the text is an expression, or an assignment to a variable:
// `name = expression`, or `name += expression` (and with -, * or /), which
// combines the variable's value (asked for when not known) with the
// expression's. The variable keeps the value as numberText writes it.
CalcOutcome runCalc(std::string_view text, Variables& variables, Context& context);

// "Result = %g (0x%lX)": the value and its integer part in hexadecimal, a
// negative one as a 64-bit two's complement; without the hexadecimal when
// no 64-bit integer holds the integer part.
std::string resultMessage(double value);

// `linenum` and `colnum` with an argument: the number with the argument
// appended, evaluated; the text to type is the integer part of the
// result, or the plain number when that fails.
std::string calculatedNumber(int number, std::string_view argument, Variables& variables,
                             Context& context);

}  // namespace tarn::calc
