// date, time, pathname, linenum and colnum: generated text typed at the cursor.
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
  l.setHandler(fn::kLinenum, [&l](const Invocation&) {
    Document* doc = l.editor().currentDocument();
    return doc ? typeGenerated(l, std::to_string(toUser(doc->currentLineNumber).value())) : Outcome::done();
  });
  l.setHandler(fn::kColnum, [&l](const Invocation&) {
    Document* doc = l.editor().currentDocument();
    return doc ? typeGenerated(l, std::to_string(doc->cursorColumn + 1)) : Outcome::done();
  });
}

}  // namespace tarn::command
