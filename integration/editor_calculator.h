// The calculator joined to the editor: expressions read numbers from the
// current file and ask for unknown variables on the prompt line, and the
// command language's `calc`, `linenum`, `colnum` and `@calc` use it.
#pragma once
#include "command/calculator_link.h"
#include "core/variables.h"
#include "edit/calc_context.h"

namespace tarn {

struct Editor;

class EditorCalculator : public command::CalculatorLink, public calc::Context {
 public:
  EditorCalculator(Editor& editor, Variables& variables) : editor_(editor), variables_(variables) {}

  // CalculatorLink
  Answer calc(std::string_view text) override;
  std::optional<double> evaluate(std::string_view expression) override;
  std::string calculatedNumber(int number, std::string_view argument) override;

  // calc::Context, on the current file.
  calc::TextPlace cursor() const override;
  std::string_view textFrom(calc::TextPlace place) const override;
  std::optional<std::string> askValue(std::string_view name) override;

 private:
  Editor& editor_;
  Variables& variables_;
};

}  // namespace tarn
