// about, the counts of lines, characters and words, and `key`.
#include "command/command_language.h"
#include "command/command_registry.h"
#include "command/decimal.h"
#include "core/editor.h"

namespace tarn::command {

namespace {

struct Counts {
  long long lines = 0;
  long long characters = 0;
  long long words = 0;
};

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

Counts countFile(const Document& doc) {
  Counts counts;
  for (const Line* line = doc.firstText(); line && line != doc.last; line = line->next()) {
    ++counts.lines;
    counts.characters += line->length;
    bool inWord = false;
    for (char c : line->view()) {
      if (!isSeparator(c) && !inWord) ++counts.words;
      inWord = !isSeparator(c);
    }
  }
  return counts;
}

Outcome showCount(CommandLanguage& l, long long Counts::*field, const char* unit) {
  Document* doc = l.editor().currentDocument();
  if (!doc) return Outcome::done();
  l.editor().screen.message(std::to_string(countFile(*doc).*field) + " " + unit);
  return Outcome::done();
}

Outcome about(CommandLanguage& l) {
  Editor& editor = l.editor();
  editor.screen.frameBox(44, "Tarnedit", "Tarnedit " TARN_VERSION " - a text editor for the terminal",
                         "Press a key", editor.screen.messageAttribute());
  editor.input.readKey();
  editor.screen.redraw(true);
  return Outcome::done();
}

// `key <name> [n]`: the key's definition run n times.
Outcome keyCommand(CommandLanguage& l, const Invocation& inv) {
  if (inv.args.empty()) return Outcome::failure();
  const KeyName* key = l.keys().find(inv.args[0]);
  const int* codes = key ? l.definition(key->keyClass, key->keyCode) : nullptr;
  if (!codes) {
    l.editor().screen.message("Unknown key \"" + inv.args[0] + "\"");
    return Outcome::failure();
  }
  int count = inv.args.size() > 1 ? readDecimal(inv.args[1]) : 1;
  if (count < 2) count = 1;
  return l.queueAndDrain(codes, count, true);
}

}  // namespace

void registerInformationCommands(CommandLanguage& language) {
  auto& l = language;
  l.setHandler(fn::kAbout, [&l](const Invocation&) { return about(l); });
  l.setHandler(fn::kLines, [&l](const Invocation&) { return showCount(l, &Counts::lines, "lines"); });
  l.setHandler(fn::kChars, [&l](const Invocation&) { return showCount(l, &Counts::characters, "characters"); });
  l.setHandler(fn::kWords, [&l](const Invocation&) { return showCount(l, &Counts::words, "words"); });
  l.setHandler(fn::kKey, [&l](const Invocation& inv) { return keyCommand(l, inv); });
}

}  // namespace tarn::command
