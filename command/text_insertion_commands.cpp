// date, time, pathname, linenum and colnum (with an argument, calculated):
// generated text typed at the cursor.
#include <ctime>

#include "command/command_language.h"
#include "command/command_registry.h"
#include "command/generated_text.h"
#include "core/editor.h"

namespace tarn::command {

namespace {

Outcome typeGenerated(CommandLanguage& l, const std::string& text) {
  Document* doc = l.target();
  if (!doc) return Outcome::done();
  return typeGeneratedText(l.editor().engine, *doc, text) ? Outcome::done() : Outcome::failure();
}

// With an argument, the number followed by the argument is calculated.
Outcome typeNumber(CommandLanguage& l, int number, const std::string& argument) {
  CalculatorLink* calculator = l.calculator();
  bool calculated = calculator && !argument.empty();
  return typeGenerated(l, calculated ? calculator->calculatedNumber(number, argument) : std::to_string(number));
}

std::tm localNow() {
  std::time_t now = std::time(nullptr);
  std::tm when{};
  localtime_r(&now, &when);
  return when;
}

}  // namespace

void registerTextInsertionCommands(CommandLanguage& language) {
  auto& l = language;
  l.setHandler(fn::kDate, [&l](const Invocation&) {
    return typeGenerated(l, fillDateTemplate(l.editor().settings.dateTemplate, localNow()));
  });
  l.setHandler(fn::kTime, [&l](const Invocation&) {
    return typeGenerated(l, fillTimeTemplate(l.editor().settings.timeTemplate, localNow()));
  });
  l.setHandler(fn::kPathname, [&l](const Invocation&) {
    Document* doc = l.editor().currentDocument();
    return doc ? typeGenerated(l, doc->name) : Outcome::done();
  });
  l.setHandler(fn::kLinenum, [&l](const Invocation& inv) {
    Document* doc = l.editor().currentDocument();
    return doc ? typeNumber(l, toUser(doc->currentLineNumber).value(), inv.rest) : Outcome::done();
  });
  l.setHandler(fn::kColnum, [&l](const Invocation& inv) {
    Document* doc = l.editor().currentDocument();
    return doc ? typeNumber(l, doc->cursorColumn + 1, inv.rest) : Outcome::done();
  });
}

}  // namespace tarn::command
