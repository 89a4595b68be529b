// The command language: the key loop with the function queue, the string
// runner and the command executor, over the function and key-name tables
// and the definition store.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "command/function_queue.h"
#include "command/function_table.h"
#include "command/history.h"
#include "command/key_names.h"
#include "command/outcome.h"
#include "core/dispatcher.h"

namespace tarn {
struct Editor;
struct Document;
}  // namespace tarn

namespace tarn::command {

// One command as the executor carries it out.
struct Invocation {
  int code = 0;
  std::string text;               // the whole command text, for messages
  std::string rest;               // the text after the command word
  std::vector<std::string> args;  // argument tokens
};

class CommandLanguage : public Dispatcher {
 public:
  using Handler = std::function<Outcome(const Invocation&)>;

  explicit CommandLanguage(Editor& editor);
  ~CommandLanguage() override;

  // Dispatcher
  int step() override;
  int runString(std::string_view text, bool fromCommandLine) override;
  const int* definition(int keyClass, int keyCode) const override;

  // The string runner.
  Outcome run(std::string_view text, bool fromCommandLine);
  // The command executor for one command text.
  Outcome runCommand(std::string_view text);
  // Carries out one code with its arguments.
  Outcome execute(const Invocation& invocation);
  // Runs what is queued in the current place; returns early when the cursor
  // must change place or another window became current.
  Outcome drain();

  // Typed commands and editor-level functions are carried out by handlers,
  // one place per code.
  void setHandler(int code, Handler handler) { handlers_[code] = std::move(handler); }

  // The document commands act on: the current slot's command line while
  // the cursor is there during a key, else its data document.
  Document* target();
  // Sends an engine code to the target document.
  int send(int code, intptr_t arg1 = 0, intptr_t arg2 = 0);

  // Whether the commands now running act on the command line.
  bool onCommandLine() const { return onCommandLine_; }
  // The current slot's command-line document.
  Document* commandLine();

  // `execute`: records the command line's text and runs it against the file.
  Outcome executeCommandLine();

  Editor& editor() { return editor_; }
  const FunctionTable& functions() const { return functions_; }
  const KeyNameTable& keys() const { return keys_; }
  FunctionQueue& queue() { return queue_; }
  History& history() { return history_; }

  // The text of a document's current line (the command line's text).
  static std::string lineText(const Document& doc);
  // Replaces the text of a command-line document and puts the cursor at its end.
  void setCommandLineText(Document& doc, std::string_view text);

 private:
  Outcome runKey(int keyClass, int keyCode);
  Outcome runEngineCode(int code, const Invocation& invocation);
  Outcome runQueuedCode(int code);
  Outcome runSynonym(int code, int count);
  Outcome commandLineEnter();
  bool noFileRuleAllows(std::string_view text) const;
  Outcome unknown(std::string_view text);

  Editor& editor_;
  FunctionTable functions_;
  KeyNameTable keys_;
  FunctionQueue queue_;
  History history_;
  std::unordered_map<int, Handler> handlers_;
  bool onCommandLine_ = false;  // the key loop runs in a slot's command line
  bool executing_ = false;      // an `execute` is running
};

}  // namespace tarn::command
