// calc: the result of an expression on the message line.
#include "command/command_language.h"
#include "command/command_registry.h"
#include "core/editor.h"

namespace tarn::command {

void registerCalculatorCommands(CommandLanguage& language) {
  auto& l = language;
  // A failed expression shows nothing and fails.
  l.setHandler(fn::kCalc, [&l](const Invocation& inv) {
    CalculatorLink* calculator = l.calculator();
    if (!calculator) return l.notAvailable(inv.code);
    std::optional<std::string> message = calculator->calc(inv.rest);
    if (!message) return Outcome::failure();
    l.editor().screen.message(*message);
    return Outcome::done();
  });
}

}  // namespace tarn::command
