#include "edit/calc_functions.h"

#include <cmath>
#include <numbers>

namespace tarn::calc {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct NamedFunction {
  std::string_view name;
  Function function;
};

constexpr NamedFunction kFunctions[] = {
    {"SIN", Function::Sin},   {"COS", Function::Cos},   {"EXP", Function::Exp},
    {"SQRT", Function::Sqrt}, {"LOG", Function::Log},   {"TG", Function::Tg},
    {"CTG", Function::Ctg},   {"ASIN", Function::Asin}, {"ACOS", Function::Acos},
    {"ATG", Function::Atg},   {"INT", Function::Int},
};

bool sameLetters(std::string_view name, std::string_view capitals) {
  if (name.size() != capitals.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    char c = name[i] >= 'a' && name[i] <= 'z' ? static_cast<char>(name[i] - 'a' + 'A') : name[i];
    if (c != capitals[i]) return false;
  }
  return true;
}

// An angle brought into [0, 360) without rounding: fmod is exact.
double reduced(double degrees) {
  double angle = std::fmod(degrees, 360.0);
  if (angle < 0) angle += 360.0;
  return angle < 360.0 ? angle : 0.0;  // a tiny negative angle rounds up to 360
}

// Whole multiples of 30 degrees are the only angles with a rational sine,
// and whole multiples of 45 the only ones with a rational tangent: those
// come out exact, so that SIN 30 is 0.5 and COS 90 is 0.
double sine(double angle) {
  if (std::fmod(angle, 30.0) == 0) {
    switch (static_cast<int>(angle / 30)) {
      case 0: case 6: return 0;
      case 1: case 5: return 0.5;
      case 3: return 1;
      case 7: case 11: return -0.5;
      case 9: return -1;
      default: break;
    }
  }
  return std::sin(angle * kRadiansPerDegree);
}

std::optional<double> tangent(double angle) {
  if (std::fmod(angle, 45.0) == 0) {
    switch (static_cast<int>(angle / 45)) {
      case 0: case 4: return 0.0;
      case 1: case 5: return 1.0;
      case 3: case 7: return -1.0;
      default: return std::nullopt;  // 90 and 270: the poles
    }
  }
  return std::tan(angle * kRadiansPerDegree);
}

std::optional<double> cotangent(double angle) {
  if (std::fmod(angle, 90.0) == 0) {
    if (static_cast<int>(angle / 90) % 2 == 0) return std::nullopt;  // 0 and 180: the poles
    return 0.0;
  }
  return 1 / *tangent(angle);
}

// The arc functions give whole degrees where the sine is rational; the
// ones not caught here (0 and 1 and their negatives) come out exact anyway.
double arcSine(double x) {
  if (std::fabs(x) == 0.5) return std::copysign(30.0, x);
  return std::asin(x) / kRadiansPerDegree;
}

double arcCosine(double x) {
  if (std::fabs(x) == 0.5) return x > 0 ? 60.0 : 120.0;
  return std::acos(x) / kRadiansPerDegree;
}

std::optional<double> evaluated(Function function, double x) {
  switch (function) {
    case Function::Sin: return sine(reduced(x));
    case Function::Cos: return sine(reduced(reduced(x) + 90));
    case Function::Tg: return tangent(reduced(x));
    case Function::Ctg: return cotangent(reduced(x));
    case Function::Asin:
      if (x < -1 || x > 1) return std::nullopt;
      return arcSine(x);
    case Function::Acos:
      if (x < -1 || x > 1) return std::nullopt;
      return arcCosine(x);
    case Function::Atg: return std::atan(x) / kRadiansPerDegree;
    case Function::Exp: return std::exp(x);
    case Function::Sqrt:
      if (x < 0) return std::nullopt;
      return std::sqrt(x);
    case Function::Log:
      if (x <= 0) return std::nullopt;
      return std::log(x);
    case Function::Int: return std::trunc(x);
  }
  return std::nullopt;
}

}  // namespace

size_t nameLength(std::string_view text) {
  if (text.empty() || !isLetter(text[0])) return 0;
  size_t length = 1;
  while (length < text.size() && (isLetter(text[length]) || isDigit(text[length]))) ++length;
  return length;
}

std::optional<Function> functionNamed(std::string_view name) {
  for (const NamedFunction& f : kFunctions) {
    if (sameLetters(name, f.name)) return f.function;
  }
  return std::nullopt;
}

std::optional<double> applyFunction(Function function, double argument) {
  std::optional<double> result = evaluated(function, argument);
  if (result && !std::isfinite(*result)) return std::nullopt;
  return result;
}

}  // namespace tarn::calc
