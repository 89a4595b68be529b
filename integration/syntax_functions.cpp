#include "integration/syntax_functions.h"

#include <string>

#include "command/command_language.h"
#include "command/command_line_completion.h"
#include "core/editor.h"
#include "core/function_codes.h"
#include "edit/cursor_lines.h"
#include "edit/syntax_colouring.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"
#include "edit/token_moves.h"
#include "edit/word_completion.h"
#include "integration/choice_list.h"

namespace tarn {

namespace {

using command::Outcome;

constexpr std::string_view kCompletionTitle = "Keywords found";
constexpr std::string_view kCompletionButton = "Complete word";

class SyntaxFunctions {
 public:
  SyntaxFunctions(command::CommandLanguage& language, SyntaxColouring& colouring, KeywordSets& sets)
      : language_(language), editor_(language.editor()), colouring_(colouring), sets_(sets) {}

  Outcome moveToToken(TokenFunction function) {
    Document* doc = colouredTarget();
    if (!doc) return Outcome::failure();
    std::optional<TokenPlace> found = findToken(*doc, cursorPlace(*doc), function, rowsOf(*doc));
    return found ? placeCursor(*doc, *found) : Outcome::failure();
  }

  // The word at the cursor, or else the next one, joins the set's keywords;
  // the cursor goes past it.
  Outcome learn() {
    Document* doc = colouredTarget();
    if (!doc) return Outcome::failure();
    std::optional<TokenPlace> end = findToken(*doc, cursorPlace(*doc), {TokenKind::AnyWord, TokenStep::End}, rowsOf(*doc));
    if (!end) return Outcome::failure();
    const size_t start = tokenStartOf(colouring_.classesOf(*doc, *end->line, end->index), end->position, TokenKind::AnyWord);
    sets_.use(colouring_.setIndexOf(*doc)).learn(end->line->view().substr(start, end->position + 1 - start));
    return placeCursor(*doc, {end->line, end->index, end->position + 1});
  }

  Outcome autocomplete() {
    colouring_.followCurrentFile();
    Document* doc = language_.target();
    if (!doc) return Outcome::done();
    const size_t cursor = cursorPlace(*doc).position;
    if (doc->isCommandLine())
      return complete(*doc, command::completeCommandLine(language_.functions(), currentText(*doc), cursor));
    const Settings& settings = editor_.settings;
    return complete(*doc, completeInText(*doc, cursor, colouring_.setOf(*doc), settings.linesBack, settings.linesForward));
  }

 private:
  // The word part becomes the one candidate, or the one chosen from the list of them.
  template <typename Completion>
  Outcome complete(Document& doc, const Completion& found) {
    const std::vector<std::string>& candidates = found.candidates;
    if (candidates.empty()) return Outcome::done();
    size_t chosen = 0;
    if (candidates.size() > 1) {
      std::optional<size_t> picked = chooseFromList(editor_, kCompletionTitle, kCompletionButton, candidates);
      if (!picked) return Outcome::done();
      chosen = *picked;
    }
    return replaceWordPart(doc, found.start, found.end, candidates[chosen]);
  }

  // The document the function acts on when it has a keyword set (a
  // command line never has).
  Document* colouredTarget() {
    colouring_.followCurrentFile();
    Document* doc = language_.target();
    return doc && colouring_.setIndexOf(*doc) >= 0 ? doc : nullptr;
  }

  // The cursor as a byte of its line (the line's length beyond its end).
  TokenPlace cursorPlace(const Document& doc) const {
    const TextPosition at = positionAt(currentText(doc), doc.cursorColumn, columnRule(editor_.engine, doc));
    return {doc.current, doc.currentLineNumber, at.index};
  }

  ClassRowOf rowsOf(const Document& doc) {
    return [this, &doc](const Line& line, LineIndex index) { return colouring_.classesOf(doc, line, index); };
  }

  Outcome placeCursor(Document& doc, const TokenPlace& place) {
    Engine& engine = editor_.engine;
    if (place.line != doc.current && !engine.send(&doc, fn::kGotoLine, 1, toUser(place.index).value()))
      return Outcome::failure();
    engine.send(&doc, fn::kColumn, columnOf(place.line->view(), place.position, columnRule(editor_.engine, doc)));
    return Outcome::done();
  }

  // The bytes [start, end) of the current line become word; the cursor goes after it.
  Outcome replaceWordPart(Document& doc, size_t start, size_t end, const std::string& word) {
    Engine& engine = editor_.engine;
    if (!mayEditCurrent(doc)) {
      EngineCall call{engine, &editor_, doc, fn::kAutocomplete, 0, 0, 1};
      refuseChange(call);
      return Outcome::failure();
    }
    const std::string_view text = currentText(doc);
    const std::string line = std::string(text.substr(0, start)) + word + std::string(text.substr(end));
    const std::string_view given = line;
    if (!engine.send(&doc, fn::kSetLineText, 0, reinterpret_cast<intptr_t>(&given))) return Outcome::failure();
    engine.send(&doc, fn::kColumn, columnOf(line, start + word.size(), columnRule(editor_.engine, doc)));
    return Outcome::done();
  }

  command::CommandLanguage& language_;
  Editor& editor_;
  SyntaxColouring& colouring_;
  KeywordSets& sets_;
};

}  // namespace

void registerSyntaxFunctions(command::CommandLanguage& language, SyntaxColouring& colouring, KeywordSets& sets) {
  auto functions = std::make_shared<SyntaxFunctions>(language, colouring, sets);
  for (int code = fn::kNextKeyword; code <= fn::kBeginSeparator; ++code)
    language.setHandler(code, [functions, f = tokenFunctionOf(code)](const command::Invocation&) {
      return functions->moveToToken(f);
    });
  language.setHandler(fn::kLearn, [functions](const command::Invocation&) { return functions->learn(); });
  language.setHandler(fn::kAutocomplete, [functions](const command::Invocation&) { return functions->autocomplete(); });
}

}  // namespace tarn
