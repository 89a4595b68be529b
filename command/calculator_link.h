// What the command language asks of the calculator, which belongs to the
// editing functions: the program joins the two as it starts. Until then
// `calc` is not available, `linenum` and `colnum` type the plain number and
// the templates' `@calc` does nothing.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tarn::command {

class CalculatorLink {
 public:
  virtual ~CalculatorLink() = default;

  // `calc`: whether it succeeded, and the message to show: the result, or
  // why it failed (none after a cancelled prompt).
  struct Answer {
    bool ok = false;
    std::string message;
  };
  virtual Answer calc(std::string_view text) = 0;
  // The value of an expression; nothing when it fails.
  virtual std::optional<double> evaluate(std::string_view expression) = 0;
  // `linenum` and `colnum` with an argument: the text to type.
  virtual std::string calculatedNumber(int number, std::string_view argument) = 0;
};

}  // namespace tarn::command
