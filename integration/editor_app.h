// The editor program from start to end: paths, console, profiles, the
// files and function strings of the command line, the main loop and shutdown.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "command/command_language.h"
#include "core/editor.h"
#include "core/startup_arguments.h"
#include "edit/keyword_sets.h"
#include "edit/syntax_colouring.h"
#include "integration/editor_calculator.h"

namespace tarn {

class Console;
class EventLoop;

class EditorSession {
 public:
  // Start-up up to the main loop: paths, profiles, the command line's files
  // and function strings.
  EditorSession(Console& console, EventLoop& loop, const std::vector<std::string>& args);
  ~EditorSession();

  // Runs the main loop unless start-up already ended the editor.
  void run();
  // Restores the console, closes every file and removes the temporary directory.
  void shutdown();

  Editor& editor() { return editor_; }
  command::CommandLanguage& language() { return *language_; }
  bool ended() const { return startMode_ == 1; }
  // A signal ended the editor while documents were modified: their recovery
  // copies, and what to tell the user about them once the terminal is back.
  bool endedWithUnsavedChanges() const { return !recoveryCopies_.empty(); }
  std::vector<std::string> farewell() const;

 private:
  StartupArguments arguments_;
  Editor editor_;
  std::unique_ptr<KeywordSets> keywordSets_;
  std::unique_ptr<SyntaxColouring> colouring_;
  std::unique_ptr<command::CommandLanguage> language_;
  std::unique_ptr<EditorCalculator> calculator_;
  int startMode_ = 0;
  bool shutDown_ = false;
  std::vector<RecoveryCopy> recoveryCopies_;
  std::vector<int> learnedWordsLost_;  // sets whose learned words could not be saved
};

// The exit status when a signal ended the editor while changes were
// unsaved (1 says the editor could not start).
constexpr int kUnsavedAtSignal = 2;

struct EditorExit {
  int status = 0;
  std::vector<std::string> farewell;
};

// Runs the editor on a console with the command-line arguments (without
// the program name).
EditorExit runEditor(Console& console, EventLoop& loop, const std::vector<std::string>& args);

}  // namespace tarn
