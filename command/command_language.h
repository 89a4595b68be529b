// The command language: the key loop with the function queue, the string
// runner and the command executor, over the function and key-name tables
// and the definition store.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "command/calculator_link.h"
#include "command/definition_compiler.h"
#include "command/definition_store.h"
#include "command/definition_writer.h"
#include "command/demo_pacing.h"
#include "command/function_queue.h"
#include "command/function_table.h"
#include "command/help_texts.h"
#include "command/history.h"
#include "command/invocation.h"
#include "command/key_names.h"
#include "command/outcome.h"
#include "command/profile_lines.h"
#include "command/profiles.h"
#include "command/settings_command.h"
#include "command/syntax_set_switch.h"
#include "command/templates.h"
#include "core/dispatcher.h"
#include "core/input.h"
#include "core/variables.h"

namespace tarn {
struct Editor;
struct Document;
}  // namespace tarn

namespace tarn::command {

class CommandLanguage : public Dispatcher, public ProfileHost {
 public:
  explicit CommandLanguage(Editor& editor);
  ~CommandLanguage() override;

  // Dispatcher
  int step() override;
  int runString(std::string_view text, bool fromCommandLine) override;
  const int* definition(int keyClass, int keyCode) const override;
  bool takesCharacter(int code, int next) const override;

  // ProfileHost
  bool fileLoaded() override;
  int runString(std::string_view line) override;
  void openFile(std::string_view spec, bool viewMode) override;

  // Start-up: the built-in profile, then the user's profile of the profile directory.
  void loadProfiles();

  // The string runner.
  Outcome run(std::string_view text, bool fromCommandLine);
  // The command executor for one command text.
  Outcome runCommand(std::string_view text);
  // Carries out one code with its arguments.
  Outcome execute(const Invocation& invocation);
  // Runs what is queued in the current place; returns early when the cursor
  // must change place or another window became current.
  Outcome drain();
  // Queues a code list count times (up to a `repeat command` code when
  // stopAtRepeat) and runs the queue; while the queue is already being run,
  // the codes only join it and wait their turn.
  Outcome queueAndDrain(const int* codes, int count, bool stopAtRepeat);

  // Typed commands and editor-level functions are carried out by handlers
  // held in the function table with the names; the engine's functions by one
  // that sends them to the engine.
  void setHandler(int code, Handler handler) { functions_.setHandler(code, std::move(handler)); }
  // What gives the current file its keyword set as it becomes current: run
  // before each key and each function string from outside, ahead of the
  // set's own settings (installed where the program is assembled).
  void setKeywordSetChooser(std::function<void()> chooser) { chooseKeywordSet_ = std::move(chooser); }

  // The document commands act on: the current slot's command line while
  // the cursor is there during a key, else its data document.
  Document* target();
  // Sends an engine code to the target document.
  int send(int code, intptr_t arg1 = 0, intptr_t arg2 = 0);

  // Whether the commands now running act on the command line.
  bool onCommandLine() const { return onCommandLine_; }
  // The current slot's command-line document.
  Document* commandLine();

  // `expand` (blankKey false) and the blank key's expansion of the word
  // before the cursor.
  Outcome expandAtCursor(bool blankKey);
  // "Unknown command "%s"": a failure.
  Outcome unknown(std::string_view text);
  // "Not available yet: %s" with the function's name: a failure.
  Outcome notAvailable(int code);
  // "Too many functions to run": the queue is emptied; a failure.
  Outcome tooManyFunctions();

  // `execute`: records the command line's text and runs it against the file.
  Outcome executeCommandLine();

  Editor& editor() { return editor_; }
  const FunctionTable& functions() const { return functions_; }
  const KeyNameTable& keys() const { return keys_; }
  DefinitionStore& definitions() { return store_; }
  DefinitionCompiler& compiler() { return compiler_; }
  const DefinitionWriter& writer() const { return writer_; }
  SettingsCommand& settings() { return settings_; }
  Profiles& profiles() { return profiles_; }
  HelpTexts& helpTexts() { return help_; }
  FunctionQueue& queue() { return queue_; }
  History& history() { return history_; }
  // The variables of the calculator and the templates.
  Variables& variables() { return variables_; }
  DemoPacing& demo() { return demo_; }
  // The calculator, once the program has joined it in; null until then.
  CalculatorLink* calculator() const { return calculator_; }
  void setCalculator(CalculatorLink* calculator) { calculator_ = calculator; }

  // The text of a document's current line (the command line's text).
  static std::string lineText(const Document& doc);
  // Replaces the text of a command-line document and puts the cursor at its end.
  void setCommandLineText(Document& doc, std::string_view text);

 private:
  Outcome runKey(const InputEvent& event);
  Outcome runEngineCode(int code, const Invocation& invocation);
  Outcome runQueuedCode(int code);
  // The first argument of an engine code read from the queue: the number of
  // a typed character or a column, or a character that follows the code;
  // nothing when the code is not to run.
  std::optional<intptr_t> takeEngineArgument(int code);
  Outcome sendCharacter(int code, char character);
  Outcome runNamedSynonym(std::string_view name, std::string_view countWord);
  Outcome commandLineEnter();
  bool noFileRuleAllows(std::string_view text) const;
  // The word before the cursor as a synonym to run, when one is named so;
  // nothing when none is.
  std::optional<Outcome> expandWord(bool blankKey);
  // The blank key in the `expandon` or `autocompleteon` state: expansion is
  // tried first, then completion; the blank is typed afterwards as usual.
  void completeBeforeBlank(const InputEvent& event);
  void followKeywordSet();

  Editor& editor_;
  FunctionTable functions_;
  KeyNameTable keys_;
  DefinitionStore store_;
  DefinitionCompiler compiler_;
  DefinitionWriter writer_;
  SettingsCommand settings_;
  HelpTexts help_;
  ProfileLines profileLines_;
  Profiles profiles_;
  SyntaxSetSwitch syntaxSets_;
  FunctionQueue queue_;
  History history_{functions_};
  Variables variables_;
  CalculatorLink* calculator_ = nullptr;
  Templates templates_{*this};
  DemoPacing demo_{editor_, queue_, functions_, writer_};
  bool onCommandLine_ = false;  // the key loop runs in a slot's command line
  bool executing_ = false;      // an `execute` is running
  bool draining_ = false;       // the queue is being run
  int keywordSet_ = -1;         // of the file that was current last
  std::function<void()> chooseKeywordSet_;
};

}  // namespace tarn::command
