#include "integration/editor_app.h"

#include <fstream>
#include <sstream>

#include "command/command_language.h"
#include "core/editor.h"
#include "core/main_loop.h"
#include "core/profile_location.h"
#include "core/slot_ops.h"
#include "core/startup_arguments.h"
#include "edit/registry.h"
#include "edit/undo_ring.h"
#include "integration/clipboard_commands.h"
#include "integration/syntax_functions.h"
#include "platform/directories.h"
#include "platform/event_loop.h"

namespace tarn {

namespace {

// Shown on the first screen, until the first key.
constexpr std::string_view kStartHint = "F1 help  F2 save  F4 quit";

void readMessageFile(Editor& editor) {
  std::string name = findNoCase(editor.paths.profileDirectory, "TARN.Msg");
  if (name.empty()) return;
  std::ifstream in(editor.paths.profileDirectory + name, std::ios::binary);
  std::stringstream contents;
  contents << in.rdbuf();
  editor.messageTexts.parse(contents.str());
}

// The start mode a slot's cursor place stands for.
int cursorMode(Editor& editor) {
  return editor.slots.cursorInFile(editor.slots.current()) ? kToFile : kToCommandLine;
}

// Runs the files and function strings of the command line; returns the start mode.
int runStartupActions(Editor& editor, const StartupArguments& arguments) {
  int mode = kCarryOn;
  for (const StartupAction& action : arguments.actions) {
    if (editor.loop.quitRequested()) return kEndEditor;
    switch (action.kind) {
      case StartupAction::Kind::FunctionString: {
        int result = editor.dispatcher->runString(action.text, false);
        if (result >= kEndEditor) mode = result;
        break;
      }
      case StartupAction::Kind::OpenFile: {
        EditRequest request;
        request.readOnly = action.readOnly;
        editor.files.edit(action.text, request);
        break;
      }
      case StartupAction::Kind::OpenHelp: {
        EditRequest request;
        request.readOnly = request.viewMode = true;
        const std::string name(kHelpFileName);
        std::string help = findNoCase(editor.paths.programDirectory, name);
        editor.files.edit(editor.paths.programDirectory + (help.empty() ? name : help), request);
        break;
      }
    }
  }
  return mode;
}

}  // namespace

EditorSession::EditorSession(Console& console, EventLoop& loop, const std::vector<std::string>& args)
    : arguments_(parseStartupArguments(args, [](const std::string& p) { return pathExists(p); })),
      editor_(console, loop) {
  // Runs wherever the editor notices the signal: while it waits for a key,
  // at a prompt, or where a long run looks for Esc.
  loop.onTermination([this] { recoveryCopies_ = editor_.files.keepUnsavedChanges(); });
  editor_.paths = choosePaths(arguments_.profilePath);
  readMessageFile(editor_);
  editor_.engine.setRegistry(editRegistry());
  keywordSets_ = std::make_unique<KeywordSets>(editor_.paths.profileDirectory);
  colouring_ = std::make_unique<SyntaxColouring>(editor_, *keywordSets_);
  editor_.screen.setSyntaxPainter(colouring_.get());
  editor_.engine.setUndoFactory([] { return std::make_unique<UndoRing>(); });
  editor_.screen.setUp();
  language_ = std::make_unique<command::CommandLanguage>(editor_);
  language_->setKeywordSetChooser([this] { colouring_->followCurrentFile(); });
  registerSyntaxFunctions(*language_, *colouring_, *keywordSets_);
  calculator_ = std::make_unique<EditorCalculator>(editor_, language_->variables());
  language_->setCalculator(calculator_.get());
  registerClipboardCommands(*language_, *colouring_);
  language_->loadProfiles();
  startMode_ = runStartupActions(editor_, arguments_);
  if (startMode_ == kEndEditor) return;
  if (!editor_.slots.hasCurrent() && openSlot(editor_, SlotOpening{}) >= 0)
    editor_.files.noticeLeftovers(std::string(kUntitled));
  if (!editor_.slots.hasCurrent()) {
    editor_.screen.error("No file available!");
    startMode_ = kEndEditor;
  }
}

EditorSession::~EditorSession() {
  shutdown();
  editor_.screen.setSyntaxPainter(nullptr);
  editor_.loop.onTermination({});
}

void EditorSession::run() {
  if (startMode_ == kEndEditor) return;
  editor_.startupOver = true;
  // The hint is for the message line; a message of the start-up stays
  // there, a note of loading gives way to it.
  Screen& screen = editor_.screen;
  if (editor_.settings.statusLine && (!screen.messageShown() || screen.noteShown())) screen.note(kStartHint);
  runMainLoop(editor_, startMode_ == kCarryOn ? cursorMode(editor_) : startMode_);
  startMode_ = kEndEditor;
}

void EditorSession::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  editor_.screen.restore(arguments_.keepScreen);
  learnedWordsLost_ = keywordSets_->saveLearnedWords();
  closeAllSlots(editor_);
  const Paths& paths = editor_.paths;
  if (paths.temporaryDirectory != paths.profileDirectory) removeTree(paths.temporaryDirectory);
}

std::vector<std::string> EditorSession::farewell() const {
  std::vector<std::string> lines;
  for (const RecoveryCopy& r : recoveryCopies_) {
    lines.push_back(r.copy.empty() ? "The unsaved changes to \"" + r.file + "\" could not be kept"
                                   : "Unsaved changes to \"" + r.file + "\" are in \"" + r.copy + "\"");
  }
  for (int set : learnedWordsLost_)
    lines.push_back("The words learned for keyword set " + std::to_string(set) + " could not be saved");
  return lines;
}

EditorExit runEditor(Console& console, EventLoop& loop, const std::vector<std::string>& args) {
  EditorSession session(console, loop, args);
  session.run();
  session.shutdown();
  return {session.endedWithUnsavedChanges() ? kUnsavedAtSignal : 0, session.farewell()};
}

}  // namespace tarn
