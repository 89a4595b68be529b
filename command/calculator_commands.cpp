// calc: the result of an expression on the message line.
#include "command/command_language.h"
#include "command/command_registry.h"
#include "core/editor.h"

namespace tarn::command {

void registerCalculatorCommands(CommandLanguage& language) {
  auto& l = language;
  // A failed expression says why and fails.
  l.setHandler(fn::kCalc, [&l](const Invocation& inv) {
    CalculatorLink* calculator = l.calculator();
    if (!calculator) return l.notAvailable(inv.code);
    CalculatorLink::Answer answer = calculator->calc(inv.rest);
    if (!answer.message.empty()) l.editor().screen.message(answer.message);
    return answer.ok ? Outcome::done() : Outcome::failure();
  });
}

}  // namespace tarn::command
