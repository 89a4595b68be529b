// Running a compiled expression, and the values of variables.
#include "edit/calculator.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "edit/calc_numbers.h"
#include "edit/calc_program.h"

namespace tarn::calc {

namespace {

double pop(std::vector<double>& stack) {
  double value = stack.back();
  stack.pop_back();
  return value;
}

// A part of a place resolved against the cursor's; nothing when it falls
// before the first line or column.
std::optional<int> resolved(Coordinate part, int cursor) {
  int64_t n = part.relative ? int64_t{cursor} + part.value : part.value;
  if (n < 1 || n > INT_MAX) return std::nullopt;
  return static_cast<int>(n);
}

Evaluation numberInText(const Step& step, const Context& context) {
  TextPlace cursor = context.cursor();
  std::optional<int> line = resolved(step.line, cursor.line);
  std::optional<int> column = resolved(step.column, cursor.column);
  if (!line || !column) return {0};  // no text there
  std::optional<double> number = readNumber(context.textFrom({*line, *column}));
  return number ? Evaluation{*number} : Evaluation::failure(Error::OutOfRange);
}

Evaluation stepValue(const Step& step, std::vector<double>& stack, Variables& variables,
                     Context& context) {
  switch (step.kind) {
    case Step::Kind::Number: return {step.number};
    case Step::Kind::Variable: return valueOf(step.name, variables, context);
    case Step::Kind::TextNumber: return numberInText(step, context);
    case Step::Kind::Combine: {
      double y = pop(stack);
      return combine(step.op, pop(stack), y);
    }
    case Step::Kind::Not: return {pop(stack) == 0 ? 1.0 : 0.0};
    case Step::Kind::Negate: return {-pop(stack)};
    case Step::Kind::Absolute: return {std::fabs(pop(stack))};
    case Step::Kind::Apply: {
      std::optional<double> value = applyFunction(step.function, pop(stack));
      return value ? Evaluation{*value} : Evaluation::failure(Error::OutOfRange);
    }
  }
  return Evaluation::failure(Error::MissingOperand);
}

}  // namespace

Evaluation evaluate(std::string_view expression, Variables& variables, Context& context) {
  Program program = compile(expression);
  if (program.error != Error::None) return Evaluation::failure(program.error);
  std::vector<double> stack;
  for (const Step& step : program.steps) {
    Evaluation value = stepValue(step, stack, variables, context);
    if (!value.ok()) return value;
    stack.push_back(value.value);
  }
  return {stack.back() + 0.0};  // + 0.0 turns -0 into 0
}

Evaluation valueOf(std::string_view name, Variables& variables, Context& context) {
  const std::string* text = variables.find(name);
  if (!text) {
    std::optional<std::string> answer = context.askValue(name);
    if (!answer) return Evaluation::failure(Error::Cancelled);
    variables.set(name, std::move(*answer));
    text = variables.find(name);
  }
  std::optional<double> value = readNumber(*text);
  return value ? Evaluation{*value} : Evaluation::failure(Error::OutOfRange);
}

}  // namespace tarn::calc
