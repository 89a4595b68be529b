// `expand` and the blank key's expansion: a synonym named by the word at
// the cursor runs in place of that word.
#include <algorithm>

#include "command/ascii.h"
#include "command/command_language.h"
#include "core/editor.h"

namespace tarn::command {

namespace {

struct WordAtCursor {
  uint32_t start = 0;
  uint32_t end = 0;
  std::string text;
};

// The word around the cursor, or the one ending just before it; with
// endingAtCursor only a word that ends just before the cursor.
WordAtCursor wordAt(const Document& doc, const WordSeparators& separators, bool endingAtCursor) {
  WordAtCursor word;
  const Line* line = doc.current;
  if (!line || doc.isSentinel(line)) return word;
  auto text = line->view();
  uint32_t cursor = std::min<uint32_t>(static_cast<uint32_t>(doc.cursorColumn), line->length);
  uint32_t end = cursor;
  if (!endingAtCursor)
    while (end < text.size() && !separators.isSeparator(text[end])) ++end;
  uint32_t start = end;
  while (start > 0 && !separators.isSeparator(text[start - 1])) --start;
  word.start = start;
  word.end = end;
  word.text = std::string(text.substr(start, end - start));
  return word;
}

}  // namespace

Outcome CommandLanguage::expandAtCursor(bool blankKey) { return expandWord(blankKey).value_or(Outcome::done()); }

std::optional<Outcome> CommandLanguage::expandWord(bool blankKey) {
  Document* doc = editor_.currentDocument();
  if (!doc) return std::nullopt;
  WordAtCursor word = wordAt(*doc, editor_.engine.wordSeparators(), blankKey);
  const SynonymTable& synonyms = store_.synonyms();
  std::vector<std::string> candidates;
  std::string lowered = asciiLower(word.text);
  for (int i = 0; i < synonyms.size(); ++i) {
    std::string name(synonyms.name(i));
    bool match = blankKey ? name == lowered : name.starts_with(lowered);
    if (match) candidates.push_back(name);
  }
  if (!blankKey && candidates.empty())
    for (int i = 0; i < synonyms.size(); ++i) candidates.emplace_back(synonyms.name(i));
  if (candidates.empty() || (blankKey && word.text.empty())) return std::nullopt;
  std::sort(candidates.begin(), candidates.end());
  if (candidates.size() > 1) {
    std::string names;
    for (const auto& c : candidates) names += (names.empty() ? "" : ", ") + c;
    editor_.screen.message("Synonyms found: " + names);
    return Outcome::done();
  }
  int entry = *synonyms.find(candidates.front());
  const int* codes = definition(6, fn::kFirstSynonym + entry);
  if (!codes) return std::nullopt;
  // The word goes first, then the synonym runs where it stood.
  bool saved = onCommandLine_;
  onCommandLine_ = false;
  if (word.end > word.start) {
    send(fn::kColumn, word.start);
    editor_.engine.setRepeatCount(static_cast<int>(word.end - word.start));
    send(fn::kDeleteChar);
  }
  Outcome outcome = queueAndDrain(codes, 1, true);
  onCommandLine_ = saved;
  return outcome;
}

void CommandLanguage::completeBeforeBlank(const InputEvent& event) {
  if (event.expandBlank && !onCommandLine_ && expandWord(true)) return;
  if (!event.autocompleteBlank) return;
  Invocation complete;
  complete.code = fn::kAutocomplete;
  execute(complete);
}

}  // namespace tarn::command
