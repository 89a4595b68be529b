// The main loop: one input event at a time through the dispatcher, acting
// on the start mode it returns, until the editor ends.
#pragma once

namespace tarn {

struct Editor;

// Start modes: 0 carry on, 1 end the editor, 2 cursor to the command line,
// 3 cursor in the file; higher values are carried on unchanged.
constexpr int kCarryOn = 0;
constexpr int kEndEditor = 1;
constexpr int kToCommandLine = 2;
constexpr int kToFile = 3;

// Runs until the start mode is 1 or the last file was closed. An exception
// escaping the loop is reported as "TARN ... Exception!" and ends the run.
void runMainLoop(Editor& editor, int startMode);

}  // namespace tarn
