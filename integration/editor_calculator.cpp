#include "integration/editor_calculator.h"

#include "core/editor.h"
#include "core/options.h"
#include "edit/calc_commands.h"
#include "edit/text_columns.h"

namespace tarn {

command::CalculatorLink::Answer EditorCalculator::calc(std::string_view text) {
  calc::CalcOutcome outcome = calc::runCalc(text, variables_, *this);
  return {outcome.evaluation.ok(), std::move(outcome.message)};
}

std::optional<double> EditorCalculator::evaluate(std::string_view expression) {
  calc::Evaluation evaluation = calc::evaluate(expression, variables_, *this);
  if (!evaluation.ok()) return std::nullopt;
  return evaluation.value;
}

std::string EditorCalculator::calculatedNumber(int number, std::string_view argument) {
  return calc::calculatedNumber(number, argument, variables_, *this);
}

calc::TextPlace EditorCalculator::cursor() const {
  Document* doc = editor_.currentDocument();
  if (!doc) return {};
  return {toUser(doc->currentLineNumber).value(), doc->cursorColumn + 1};
}

// The column is a display column, as the cursor's is.
std::string_view EditorCalculator::textFrom(calc::TextPlace place) const {
  Document* doc = editor_.currentDocument();
  if (!doc || place.line < 1 || place.line > doc->textLineCount() || place.column < 1) return {};
  const Line* line = doc->lineAt(toIndex(UserLine(place.line)));
  std::string_view text = line->view();
  ColumnRule rule{&editor_.engine.tabStops(), doc->option(opt::kKeepTabs) != 0};
  TextPosition at = positionAt(text, place.column - 1, rule);
  return at.beyond > 0 ? std::string_view() : text.substr(at.index);
}

std::optional<std::string> EditorCalculator::askValue(std::string_view name) {
  std::string text;
  if (!editor_.input.readLine(name, text, false)) return std::nullopt;
  return text;
}

}  // namespace tarn
