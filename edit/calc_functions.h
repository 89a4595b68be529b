// Names in expressions, and the calculator's eleven functions. Angles are
// in degrees: SIN, COS, TG and CTG take them, ASIN, ACOS and ATG give them.
// LOG is the natural logarithm, INT truncates towards zero.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarn::calc {

enum class Function : uint8_t { Sin, Cos, Exp, Sqrt, Log, Tg, Ctg, Asin, Acos, Atg, Int };

// The length of the name a text starts with: a letter or `_`, then
// letters, digits and `_`; 0 when it starts with none. A name is a
// function's or else a variable's.
size_t nameLength(std::string_view text);

// The function a name stands for, in capitals or not.
std::optional<Function> functionNamed(std::string_view name);

// The function of a finite argument; nothing when the argument is outside
// its domain (SQRT of a negative, LOG of a number not above 0, ASIN and
// ACOS outside -1 to 1, TG and CTG where they have a pole) or the result
// is not a finite number.
std::optional<double> applyFunction(Function function, double argument);

}  // namespace tarn::calc
