// The calculator's binary operators.
#pragma once
#include <cstdint>

#include "edit/calculator.h"

namespace tarn::calc {

enum class Operator : uint8_t { Add, Subtract, Multiply, Divide, Power, Less, Greater };

// x op y: division by 0 fails, and so does a result that is not a finite
// number (an overflow, or a negative number to a fractional power).
Evaluation combine(Operator op, double x, double y);

}  // namespace tarn::calc
