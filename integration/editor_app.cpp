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
#include "platform/directories.h"

namespace tarn {

namespace {

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
        std::string help = findNoCase(editor.paths.programDirectory, "TARN.Hlp");
        editor.files.edit(editor.paths.programDirectory + (help.empty() ? "TARN.Hlp" : help), request);
        break;
      }
    }
  }
  return mode;
}

}  // namespace

int runEditor(Console& console, EventLoop& loop, const std::vector<std::string>& args) {
  StartupArguments arguments = parseStartupArguments(args, [](const std::string& p) { return pathExists(p); });
  Editor editor(console, loop);
  editor.paths = choosePaths(arguments.profilePath);
  readMessageFile(editor);
  editor.engine.setRegistry(editRegistry());
  editor.screen.setUp();
  command::CommandLanguage language(editor);
  language.loadProfiles();

  int mode = runStartupActions(editor, arguments);
  if (mode != kEndEditor) {
    if (!editor.slots.hasCurrent()) openSlot(editor, SlotOpening{});
    if (!editor.slots.hasCurrent()) {
      editor.screen.error("No file available!");
    } else {
      editor.startupOver = true;
      runMainLoop(editor, mode == kCarryOn ? cursorMode(editor) : mode);
    }
  }
  editor.screen.restore(arguments.keepScreen);
  closeAllSlots(editor);
  if (editor.paths.temporaryDirectory != editor.paths.profileDirectory) removeTree(editor.paths.temporaryDirectory);
  return 0;
}

}  // namespace tarn
