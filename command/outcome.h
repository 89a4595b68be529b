// The result of one command and where the cursor goes next.
#pragma once

namespace tarn::command {

enum class Next {
  Stay,         // done: the cursor stays where it is
  CommandLine,  // put the cursor on the command line
  File,         // put the cursor in the file
  EndEditor,    // the last file was closed
};

struct Outcome {
  Next next = Next::Stay;
  bool failed = false;  // ends the innermost loop of a function string
  // A failure after which the functions still queued run all the same
  // (a locate or change with the ignore option).
  bool keepsQueue = false;

  static Outcome done() { return {}; }
  static Outcome failure() { return {Next::Stay, true}; }
  static Outcome to(Next n) { return {n, false}; }
};

// The start mode the main loop acts on: 0 carry on, 1 end, 2 command line, 3 file.
inline int startModeOf(Next next) {
  switch (next) {
    case Next::Stay: return 0;
    case Next::EndEditor: return 1;
    case Next::CommandLine: return 2;
    case Next::File: return 3;
  }
  return 0;
}

}  // namespace tarn::command
