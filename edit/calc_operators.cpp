#include "edit/calc_operators.h"

#include <cmath>

namespace tarn::calc {

namespace {

double combined(Operator op, double x, double y) {
  switch (op) {
    case Operator::Add: return x + y;
    case Operator::Subtract: return x - y;
    case Operator::Multiply: return x * y;
    case Operator::Divide: return x / y;
    case Operator::Power: return std::pow(x, y);
    case Operator::Less: return x < y ? 1 : 0;
    case Operator::Greater: return x > y ? 1 : 0;
  }
  return 0;
}

}  // namespace

Evaluation combine(Operator op, double x, double y) {
  if (op == Operator::Divide && y == 0) return Evaluation::failure(Error::DivisionByZero);
  double value = combined(op, x, y);
  if (!std::isfinite(value)) return Evaluation::failure(Error::OutOfRange);
  return {value + 0.0};  // + 0.0 turns -0 into 0
}

}  // namespace tarn::calc
