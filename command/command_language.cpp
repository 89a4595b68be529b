#include "command/command_language.h"

#include <algorithm>
#include <utility>

#include "command/ascii.h"
#include "command/code_lists.h"
#include "command/command_registry.h"
#include "command/command_words.h"
#include "command/decimal.h"
#include "command/function_string.h"
#include "command/words.h"
#include "core/editor.h"
#include "core/escape_watch.h"
#include "core/reentry.h"
#include "core/update_batch.h"
#include "core/undo_group.h"
#include "platform/directories.h"
#include "platform/event_loop.h"
#include "platform/vk.h"

namespace tarn::command {

namespace {

constexpr size_t kLongestLoopNesting = 10;

std::vector<std::string_view> settingHelpLines() { return SettingsCommand::helpLines(); }

}  // namespace

CommandLanguage::CommandLanguage(Editor& editor)
    : editor_(editor),
      compiler_(functions_, keys_, store_),
      writer_(functions_, store_.synonyms()),
      settings_(editor),
      help_(functions_, settingHelpLines()),
      profileLines_(editor, functions_, compiler_, settings_, *this),
      profiles_(editor, store_, profileLines_),
      syntaxSets_(editor, settings_, profiles_) {
  for (int n = 1; n <= MessageTexts::kCommandTexts; ++n)
    if (auto text = editor_.messageTexts.commandHelp(n); !text.empty()) help_.setCommandHelp(n, text);
  for (int n = 1; n <= MessageTexts::kFunctionTexts; ++n)
    if (auto text = editor_.messageTexts.functionHelp(n); !text.empty()) help_.setFunctionHelp(n, text);
  registerCommands(*this);
  for (const FunctionRow& row : functions_.rows())
    if (fn::isEngine(row.code) && editor_.engine.findFunction(row.code))
      setHandler(row.code, [this](const Invocation& inv) { return runEngineCode(inv.code, inv); });
  editor_.dispatcher = this;
}

CommandLanguage::~CommandLanguage() {
  if (editor_.dispatcher == this) editor_.dispatcher = nullptr;
}

void CommandLanguage::loadProfiles() {
  std::string name = findNoCase(editor_.paths.profileDirectory, "TARN.Pro");
  profiles_.loadAtStartup(editor_.paths.profileDirectory + (name.empty() ? "TARN.Pro" : name));
}

bool CommandLanguage::fileLoaded() { return editor_.slots.hasCurrent(); }

int CommandLanguage::runString(std::string_view line) { return runString(line, false); }

void CommandLanguage::openFile(std::string_view spec, bool viewMode) {
  Invocation invocation;
  invocation.code = viewMode ? fn::kView : fn::kEdit;
  invocation.rest = spec;
  invocation.args = splitArguments(spec);
  invocation.text = std::string(*functions_.nameOf(invocation.code, false)) + " " + std::string(spec);
  execute(invocation);
}

const int* CommandLanguage::definition(int keyClass, int keyCode) const { return store_.find(keyClass, keyCode); }

bool CommandLanguage::takesCharacter(int code, int next) const {
  return isCharacterArgument(functions_.characterArgument(code), next);
}

Document* CommandLanguage::target() {
  int s = editor_.slots.current();
  if (!editor_.slots.inUse(s)) return nullptr;
  return onCommandLine_ ? editor_.slots.command(s).document : editor_.slots.data(s).document;
}

Document* CommandLanguage::commandLine() {
  int s = editor_.slots.current();
  return editor_.slots.inUse(s) ? editor_.slots.command(s).document : nullptr;
}

int CommandLanguage::send(int code, intptr_t arg1, intptr_t arg2) {
  Document* doc = target();
  return doc ? editor_.engine.send(doc, code, arg1, arg2) : 0;
}

std::string CommandLanguage::lineText(const Document& doc) {
  return doc.current ? std::string(doc.current->view()) : std::string();
}

void CommandLanguage::setCommandLineText(Document& doc, std::string_view text) {
  editor_.engine.send(&doc, fn::kSetLineText, 0, reinterpret_cast<intptr_t>(&text));
  editor_.engine.send(&doc, msg::kRepaintWindow);
}

// The key loop.

int CommandLanguage::step() {
  followKeywordSet();
  int slot = editor_.slots.current();
  onCommandLine_ = editor_.slots.inUse(slot) && !editor_.slots.cursorInFile(slot);
  if (!queue_.empty()) {
    BusyScope busy(editor_.loop);
    return startModeOf(drain().next);
  }
  templates_.queueEmptied();
  // The one wait of the idle editor: here timers and automation are served.
  InputEvent event = editor_.input.next();
  BusyScope busy(editor_.loop);
  switch (event.kind) {
    case InputEvent::Kind::End:
      return 1;
    case InputEvent::Kind::Handled:
      return event.startMode;
    case InputEvent::Kind::Typed:
      if (Document* doc = target()) editor_.input.typePaste(*doc, event.key);
      return 0;
    case InputEvent::Kind::Key:
      break;
  }
  if (onCommandLine_ && event.historyStep != 0) {
    std::string text;
    if (Document* doc = target(); doc && history_.step(event.historyStep, text)) setCommandLineText(*doc, text);
    return 0;
  }
  if (onCommandLine_ && event.keyClass == 0 && event.key.virtualKeyCode == vk::kReturn)
    return startModeOf(commandLineEnter().next);
  if (event.expandBlank || event.autocompleteBlank) completeBeforeBlank(event);
  return startModeOf(runKey(event).next);
}

Outcome CommandLanguage::runKey(const InputEvent& event) {
  if (const int* codes = definition(event.keyClass, event.keyCode)) return queueAndDrain(codes, 1, false);
  if (event.keyClass == 0 && event.keyCode == vk::kEscape)
    return Outcome::to(onCommandLine_ ? Next::File : Next::CommandLine);
  if (Document* doc = target()) editor_.input.sendUndefinedKey(*doc, event.key);
  return Outcome::done();
}

// Settings that belong to the keyword set of the current file follow it.
void CommandLanguage::followKeywordSet() {
  if (chooseKeywordSet_) chooseKeywordSet_();
  int slot = editor_.slots.current();
  if (!editor_.slots.inUse(slot)) return;
  int set = editor_.slots.data(slot).keywordSet();
  if (set == keywordSet_) return;
  keywordSet_ = set;
  syntaxSets_.select(set);
}

Outcome CommandLanguage::commandLineEnter() {
  Outcome outcome = executeCommandLine();
  // Enter leaves the command line unless the command asked to stay there.
  if (outcome.next == Next::Stay || outcome.next == Next::File) outcome.next = Next::File;
  return outcome;
}

// What a key's definition does undoes as one step.
Outcome CommandLanguage::drain() {
  constexpr size_t kEscapeCheckEvery = 4096;
  bool wasDraining = std::exchange(draining_, true);
  struct Restore {
    bool& flag;
    bool value;
    ~Restore() { flag = value; }
  } restore{draining_, wasDraining};
  std::optional<UpdateBatch> batch;
  if (demo_.batched()) batch.emplace(editor_);
  UndoGroup group(editor_.engine);
  for (size_t run = 1; !queue_.empty(); ++run) {
    // Keys and synonyms that run each other never end by themselves: Esc stops them.
    if (run % kEscapeCheckEvery == 0 && escapePending(editor_)) {
      queue_.clear();
      return Outcome::failure();
    }
    // The functions of a sequence show as the demo mode says; a lone one
    // (an arrow, Esc) runs as usual.
    bool shown = run > 1 || !demo_.loneFunction();
    if (shown && !demo_.before()) {
      queue_.clear();
      return Outcome::done();
    }
    int slotBefore = editor_.slots.current();
    Outcome outcome = runQueuedCode(queue_.take());
    if (shown && !demo_.after()) queue_.clear();
    if (outcome.next == Next::EndEditor) {
      queue_.clear();
      return outcome;
    }
    if ((outcome.next == Next::CommandLine && !onCommandLine_) || (outcome.next == Next::File && onCommandLine_))
      return outcome;
    if (outcome.failed && !outcome.keepsQueue) {
      queue_.clear();
      return outcome;
    }
    if (editor_.slots.current() != slotBefore) return outcome;
  }
  return Outcome::done();
}

Outcome CommandLanguage::runQueuedCode(int code) {
  if (fn::isCharacter(code)) {
    if (code == '<' && !queue_.empty() && queue_.peek() == '%') return templates_.directive();
    if (!templates_.skipping()) send(fn::kTypeChar, code);
    return Outcome::done();
  }
  if (fn::isClipboard(code)) {
    // The clipboard functions do more than the engine's part (a copy offers
    // a rich form too): they run as the commands of their names do.
    Invocation invocation;
    invocation.code = code;
    invocation.text = std::string(functions_.nameOf(code, false).value_or(""));
    return execute(invocation);
  }
  if (fn::isEngine(code)) {
    std::optional<intptr_t> arg1 = takeEngineArgument(code);
    if (functions_.isLater(code)) return notAvailable(code);
    if (arg1) send(code, *arg1);
    return Outcome::done();
  }
  if (fn::isEditorLevel(code)) {
    Invocation invocation;
    invocation.code = code;
    bool hasArgument = functions_.argumentKind(code) != ArgumentKind::None || functions_.codeOfCountForm(code);
    if (hasArgument) invocation.rest = queue_.takeArgument();
    invocation.args = splitArguments(invocation.rest);
    auto name = functions_.codeOfCountForm(code) ? functions_.nameOf(*functions_.codeOfCountForm(code), false)
                                                  : functions_.nameOf(code, editor_.settings.abbrev);
    invocation.text = std::string(name.value_or("")) + (invocation.rest.empty() ? "" : " " + invocation.rest);
    return execute(invocation);
  }
  if (fn::isSynonym(code)) {
    // The synonym's codes join the end of the queue, which goes on running.
    int count = queue_.empty() ? -1 : queue_.take();
    const int* codes = definition(6, code);
    if (!codes) return Outcome::failure();
    for (int i = 0; i < std::max(count, 1); ++i)
      if (!queue_.append(codes, true)) return tooManyFunctions();
    return Outcome::done();
  }
  editor_.screen.message("Invalid command");
  return Outcome::failure();
}

std::optional<intptr_t> CommandLanguage::takeEngineArgument(int code) {
  if (code == fn::kTypeChar) {
    int character = wholeDecimal(queue_.takeArgument()).value_or(0);
    return fn::isCharacter(character) ? std::optional<intptr_t>(character) : std::nullopt;
  }
  if (functions_.argumentKind(code) == ArgumentKind::Column) return wholeDecimal(queue_.takeArgument()).value_or(1) - 1;
  if (!queue_.empty() && takesCharacter(code, queue_.peek())) return queue_.take();
  return 0;
}

Outcome CommandLanguage::queueAndDrain(const int* codes, int count, bool stopAtRepeat) {
  for (int i = 0; i < count; ++i)
    if (!queue_.append(codes, stopAtRepeat)) return tooManyFunctions();
  // One queue for the whole editor: a key that runs itself is a flat loop
  // of the drain already running, not a deeper call each time.
  if (draining_) return Outcome::done();
  return drain();
}

Outcome CommandLanguage::tooManyFunctions() {
  queue_.clear();
  editor_.screen.message("Too many functions to run");
  return Outcome::failure();
}

// A synonym named in a command runs with the count of the word after it.
Outcome CommandLanguage::runNamedSynonym(std::string_view name, std::string_view countWord) {
  auto entry = store_.synonyms().find(name);
  if (!entry) return Outcome::failure();
  const int* codes = definition(6, fn::kFirstSynonym + *entry);
  if (!codes) return Outcome::done();
  int count = readDecimal(countWord);
  return queueAndDrain(codes, count < 1 ? 1 : count, true);
}

// The string runner.

int CommandLanguage::runString(std::string_view text, bool fromCommandLine) {
  followKeywordSet();
  // Outside the command line the string runs where the cursor is.
  int slot = editor_.slots.current();
  bool saved = onCommandLine_;
  onCommandLine_ = !fromCommandLine && editor_.slots.inUse(slot) && !editor_.slots.cursorInFile(slot);
  BusyScope busy(editor_.loop);
  Outcome outcome = run(text, fromCommandLine);
  onCommandLine_ = saved;
  // The window's cursor place follows a string that moved the cursor, so
  // that the next string (of the start-up, of a profile) runs where it is.
  int now = editor_.slots.current();
  if (!fromCommandLine && editor_.slots.inUse(now) && (outcome.next == Next::CommandLine || outcome.next == Next::File))
    editor_.slots.setCursorInFile(now, outcome.next == Next::File);
  return startModeOf(outcome.next);
}

namespace {

// The piece after the brace that closes the loop opened at open.
size_t afterLoop(const std::vector<StringPiece>& pieces, size_t open) {
  int depth = 0;
  for (size_t i = open; i < pieces.size(); ++i) {
    if (pieces[i].kind == StringPiece::Kind::LoopOpen) ++depth;
    if (pieces[i].kind == StringPiece::Kind::LoopClose && --depth == 0) return i + 1;
  }
  return pieces.size();
}

}  // namespace

// A string undoes as one step.
Outcome CommandLanguage::run(std::string_view text, bool fromCommandLine) {
  UndoGroup group(editor_.engine);
  std::vector<StringPiece> pieces = cutFunctionString(text, functions_);
  bool savedPlace = onCommandLine_;
  if (fromCommandLine) onCommandLine_ = false;
  const bool startedOnCommandLine = onCommandLine_;
  Outcome last;
  std::vector<size_t> loops;
  bool stopped = false;  // a loop error or Esc ended the string
  size_t i = 0;
  while (i < pieces.size()) {
    const StringPiece& piece = pieces[i];
    switch (piece.kind) {
      case StringPiece::Kind::LoopOpen:
        if (loops.size() == kLongestLoopNesting) {
          editor_.screen.message("Too many nested loops");
          stopped = true;
          i = pieces.size();
          continue;
        }
        loops.push_back(i);
        ++i;
        continue;
      case StringPiece::Kind::LoopClose:
        if (loops.empty()) {
          editor_.screen.message("Start loop '{' not found");
          i = pieces.size();
          continue;
        }
        if (escapePending(editor_)) {
          stopped = true;
          i = pieces.size();
          continue;
        }
        i = loops.back() + 1;
        continue;
      case StringPiece::Kind::Literal:
        for (char c : piece.text) send(fn::kTypeChar, static_cast<unsigned char>(c));
        last = Outcome::done();
        break;
      case StringPiece::Kind::Segment:
      case StringPiece::Kind::Bracket:
        last = runCommand(piece.text);
        break;
    }
    ++i;
    if (last.next == Next::EndEditor) break;
    if (last.next == Next::CommandLine) onCommandLine_ = true;
    if (last.next == Next::File) onCommandLine_ = false;
    if (last.failed) {
      if (loops.empty()) {
        stopped = true;
        break;
      }
      i = afterLoop(pieces, loops.back());
      loops.pop_back();
    }
  }
  if (!loops.empty() && !stopped && last.next != Next::EndEditor)
    editor_.screen.message("End loop '}' not found");
  bool endedOnCommandLine = onCommandLine_;
  onCommandLine_ = savedPlace;
  // A string that left the cursor in the other place says where.
  if (last.next == Next::Stay && endedOnCommandLine != startedOnCommandLine)
    last.next = endedOnCommandLine ? Next::CommandLine : Next::File;
  return last;
}

// The command executor.

// Without a file only definitions, settings, the opening of files and the
// demo modes run: a text whose first word, followed by a blank, names one.
bool CommandLanguage::noFileRuleAllows(std::string_view text) const {
  static constexpr int kAllowed[] = {fn::kDefine, fn::kSet,      fn::kMacro,    fn::kEdit,    fn::kView,
                                     fn::kChdir,  fn::kVbsrun,   fn::kPyrun,    fn::kDemoFast, fn::kDemoSlow,
                                     fn::kDemoEnd, fn::kDemoStep};
  if (!text.empty() && text.front() == '[') text.remove_prefix(1);
  std::vector<std::string_view> words = splitWords(text, 2);
  if (words.size() < 2) return false;  // the word must be followed by a blank
  auto allowed = [&](std::string_view name) {
    auto code = functions_.codeOf(name);
    return code && std::find(std::begin(kAllowed), std::end(kAllowed), *code) != std::end(kAllowed);
  };
  // The demo modes are named by two words.
  return allowed(words[0]) || allowed(std::string(words[0]) + " " + std::string(words[1]));
}

Outcome CommandLanguage::unknown(std::string_view text) {
  editor_.screen.message("Unknown command \"" + std::string(text) + "\"");
  return Outcome::failure();
}

Outcome CommandLanguage::notAvailable(int code) {
  editor_.screen.message("Not available yet: " + std::string(functions_.nameOf(code, false).value_or("")));
  return Outcome::failure();
}

Outcome CommandLanguage::runCommand(std::string_view text) {
  text = skipBlanks(text);
  if (text.empty() || text.front() == '*') return Outcome::done();
  if (editor_.slots.ring().empty() && !noFileRuleAllows(text)) return Outcome::done();
  std::string command = withLocateWord(text, functions_);

  if (command.front() == '[') {
    std::string inside = bracketInside(command);
    std::vector<std::string_view> words = splitWords(inside, 4);
    if (words.empty()) return Outcome::done();
    Invocation invocation;
    invocation.text = inside;
    if (auto code = functions_.codeOf(inside)) {
      invocation.code = *code;
      return execute(invocation);
    }
    if (auto name = functions_.leadingName(inside); name && !functions_.refusesQuoted(inside, *name)) {
      invocation.code = name->code;
      invocation.rest = skipBlanks(name->after);
      invocation.args = splitArguments(invocation.rest);
      return execute(invocation);
    }
    if (store_.synonyms().find(inside)) return runNamedSynonym(inside, "");
    if (store_.synonyms().find(words[0])) return runNamedSynonym(words[0], words.size() > 1 ? words[1] : "");
    command = inside;  // carried out as if typed
  }

  CommandWords split = splitTypedCommand(command, functions_);
  Invocation invocation;
  invocation.text = command;
  invocation.rest = split.rest;
  invocation.args = split.args;
  auto wordCode = functions_.codeOf(split.word);
  auto wholeCode = functions_.codeOf(command);
  // A word that takes nothing after it does not stand for a longer name it
  // begins: "split screen" is no split of the line with a word to spare.
  bool wordTakesWords = wordCode && (functions_.argumentKind(*wordCode) != ArgumentKind::None ||
                                     functions_.countFormOf(*wordCode));
  if (wordCode && (wordTakesWords || !wholeCode)) {
    invocation.code = *wordCode;
    return execute(invocation);
  }
  if (auto code = wholeCode) {
    invocation.code = *code;
    invocation.rest.clear();
    invocation.args.clear();
    return execute(invocation);
  }
  if (store_.synonyms().find(split.word))
    return runNamedSynonym(split.word, split.args.empty() ? "" : split.args[0]);
  // The forms that are no table names.
  if (auto form = functions_.quotedForm(command)) return sendCharacter(form->code, form->character);
  if (auto n = wholeDecimal(command); n && *n >= 1 && *n <= 255) {
    send(fn::kTypeChar, *n);
    return Outcome::done();
  }
  return unknown(command);
}

// A function and the character given it after its name.
Outcome CommandLanguage::sendCharacter(int code, char character) {
  if (functions_.isLater(code)) return notAvailable(code);
  return send(code, static_cast<unsigned char>(character)) ? Outcome::done() : Outcome::failure();
}

Outcome CommandLanguage::execute(const Invocation& invocation) {
  if (const Handler* handler = functions_.handler(invocation.code)) return (*handler)(invocation);
  return functions_.isLater(invocation.code) ? notAvailable(invocation.code) : unknown(invocation.text);
}

Outcome CommandLanguage::runEngineCode(int code, const Invocation& invocation) {
  intptr_t arg1 = 0;
  std::string first = invocation.args.empty() ? std::string() : invocation.args[0];
  if (code == fn::kColumn) {
    auto n = wholeDecimal(first);
    if (!n || *n < 1) return Outcome::failure();
    arg1 = *n - 1;
  } else if (functions_.characterArgument(code) != CharacterArgument::None) {
    if (auto c = quotedCharacter(first)) arg1 = static_cast<unsigned char>(*c);
    else if (first.size() == 1) arg1 = static_cast<unsigned char>(first[0]);
  } else if (auto n = wholeDecimal(first); n && *n > 0) {
    editor_.engine.setRepeatCount(*n);
    arg1 = *n;
  }
  return send(code, arg1) ? Outcome::done() : Outcome::failure();
}

Outcome CommandLanguage::executeCommandLine() {
  if (executing_) return Outcome::done();
  int slot = editor_.slots.current();
  if (!editor_.slots.inUse(slot)) return Outcome::done();
  Document* commandLine = editor_.slots.command(slot).document;
  std::string text = lineText(*commandLine);
  if (size_t eol = text.find_first_of("\r\n"); eol != std::string::npos) text.resize(eol);
  if (text.size() > kLongestSegment) text.resize(kLongestSegment);
  while (!text.empty() && isBlank(text.back())) text.pop_back();
  setCommandLineText(*commandLine, "");
  if (text.empty()) return Outcome::done();
  history_.record(text);
  executing_ = true;
  Outcome outcome = run(text, true);
  executing_ = false;
  return outcome;
}

}  // namespace tarn::command
