// about, the counts of lines, characters and words, and `key`.
#include <optional>

#include "command/command_language.h"
#include "command/command_registry.h"
#include "command/decimal.h"
#include "core/editor.h"
#include "core/marks.h"
#include "core/update_batch.h"

namespace tarn::command {

namespace {

struct Counts {
  long long lines = 0;
  long long characters = 0;
  long long words = 0;
};

void countText(std::string_view text, const WordSeparators& separators, Counts& counts) {
  ++counts.lines;
  counts.characters += static_cast<long long>(text.size());
  bool inWord = false;
  for (char c : text) {
    bool separator = separators.isSeparator(c);
    if (!separator && !inWord) ++counts.words;
    inWord = !separator;
  }
}

// Over the mark (the marked part of each of its lines) when there is one,
// else over the current file.
std::optional<Counts> countMarkOrFile(Editor& editor) {
  const Engine& engine = editor.engine;
  Counts counts;
  if (const Document* holder = engine.marks().holder()) {
    ColumnRule rule = columnRule(engine, *holder);
    forEachMarkedLine(*holder, [&](const Line& line, LineIndex, const MarkedPart& part) {
      ByteSpan span = markedBytes(line.view(), part, rule);
      countText(line.view().substr(span.begin, span.size()), engine.wordSeparators(), counts);
    });
    return counts;
  }
  const Document* doc = editor.currentDocument();
  if (!doc) return std::nullopt;
  for (const Line* line = doc->firstText(); line && line != doc->last; line = line->next())
    countText(line->view(), engine.wordSeparators(), counts);
  return counts;
}

Outcome showCount(CommandLanguage& l, long long Counts::*field, const char* unit) {
  std::optional<Counts> counts = countMarkOrFile(l.editor());
  if (!counts) return Outcome::done();
  l.editor().screen.message(std::to_string((*counts).*field) + " " + unit);
  return Outcome::done();
}

Outcome about(CommandLanguage& l) {
  Editor& editor = l.editor();
  UpdatesShown shown(editor);
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
