// date, time, pathname, linenum and colnum: generated text typed at the cursor.
#include "command/command_language.h"
#include "command/command_registry.h"
#include "core/editor.h"

namespace tarn::command {

namespace {

// The text is typed in insert mode; the file is left in replace mode.
Outcome typeGenerated(CommandLanguage& l, const std::string& text) {
  if (!l.target()) return Outcome::done();
  l.send(fn::kSetInsertMode, 1);
  bool ok = true;
  for (char c : text)
    if (!l.send(fn::kTypeChar, static_cast<unsigned char>(c), 0x80)) ok = false;
  l.send(fn::kSetInsertMode, 2);
  return ok ? Outcome::done() : Outcome::failure();
}

}  // namespace

void registerTextInsertionCommands(CommandLanguage& language) {
  auto& l = language;
  l.setHandler(fn::kPathname, [&l](const Invocation&) {
    Document* doc = l.editor().currentDocument();
    return doc ? typeGenerated(l, doc->name) : Outcome::done();
  });
  l.setHandler(fn::kLinenum, [&l](const Invocation&) {
    Document* doc = l.editor().currentDocument();
    return doc ? typeGenerated(l, std::to_string(doc->currentLineNumber - 1)) : Outcome::done();
  });
  l.setHandler(fn::kColnum, [&l](const Invocation&) {
    Document* doc = l.editor().currentDocument();
    return doc ? typeGenerated(l, std::to_string(doc->cursorColumn + 1)) : Outcome::done();
  });
}

}  // namespace tarn::command
