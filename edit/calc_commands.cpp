#include "edit/calc_commands.h"

#include <cstdio>
#include <optional>

#include "edit/calc_functions.h"
#include "edit/calc_numbers.h"
#include "edit/calc_operators.h"

namespace tarn::calc {

namespace {

std::string_view trimmed(std::string_view text) {
  size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

std::optional<Operator> compoundOperator(char c) {
  switch (c) {
    case '+': return Operator::Add;
    case '-': return Operator::Subtract;
    case '*': return Operator::Multiply;
    case '/': return Operator::Divide;
    default: return std::nullopt;
  }
}

bool isVariableName(std::string_view name) {
  return !name.empty() && nameLength(name) == name.size() && !functionNamed(name);
}

std::string failureMessage(Error error) {
  switch (error) {
    case Error::None:
    case Error::Cancelled: return {};
    case Error::DivisionByZero: return "Cannot calculate: division by zero";
    case Error::OutOfRange: return "Cannot calculate: a value is out of range";
    case Error::MissingOperand: return "Cannot calculate: a number or name is missing";
    case Error::MissingBracket: return "Cannot calculate: a ( has no )";
    case Error::TextLeftOver: return "Cannot calculate: text follows the expression";
    case Error::TooDeep: return "Cannot calculate: brackets nested too deep";
    case Error::NotAName: return "Cannot calculate: only a variable can be given a value";
  }
  return {};
}

CalcOutcome failed(Evaluation evaluation) { return {evaluation, failureMessage(evaluation.error), {}}; }

CalcOutcome shown(Evaluation evaluation) {
  if (!evaluation.ok()) return failed(evaluation);
  return {evaluation, resultMessage(evaluation.value), {}};
}

}  // namespace

CalcOutcome runCalc(std::string_view text, Variables& variables, Context& context) {
  size_t sign = text.find('=');
  if (sign == std::string_view::npos) return shown(evaluate(text, variables, context));

  std::string_view name = trimmed(text.substr(0, sign));
  std::optional<Operator> compound = name.empty() ? std::nullopt : compoundOperator(name.back());
  if (compound) name = trimmed(name.substr(0, name.size() - 1));
  if (!isVariableName(name)) return failed(Evaluation::failure(Error::NotAName));

  Evaluation value = evaluate(text.substr(sign + 1), variables, context);
  if (value.ok() && compound) {
    Evaluation old = valueOf(name, variables, context);
    value = old.ok() ? combine(*compound, old.value, value.value) : old;
  }
  if (!value.ok()) return failed(value);
  variables.set(name, numberText(value.value));
  CalcOutcome outcome = shown(value);
  outcome.stored = name;
  return outcome;
}

std::string resultMessage(double value) {
  char message[96];
  if (std::optional<int64_t> whole = integerPart(value)) {
    auto bits = static_cast<unsigned long>(*whole);  // 64 bits, two's complement when negative
    std::snprintf(message, sizeof message, "Result = %g (0x%lX)", value, bits);
  } else {
    std::snprintf(message, sizeof message, "Result = %g", value);
  }
  return message;
}

std::string calculatedNumber(int number, std::string_view argument, Variables& variables,
                             Context& context) {
  std::string plain = std::to_string(number);
  Evaluation value = evaluate(plain + std::string(argument), variables, context);
  std::optional<int64_t> whole = value.ok() ? integerPart(value.value) : std::nullopt;
  return whole ? std::to_string(*whole) : plain;
}

}  // namespace tarn::calc
