// The editor program from start to end: paths, console, profiles, the
// files and function strings of the command line, the main loop and shutdown.
#pragma once
#include <string>
#include <vector>

namespace tarn {

class Console;
class EventLoop;

// Runs the editor on a console with the command-line arguments (without
// the program name); returns the exit status.
int runEditor(Console& console, EventLoop& loop, const std::vector<std::string>& args);

}  // namespace tarn
