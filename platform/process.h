// Running other programs: shell commands in the editor's terminal, and
// programs started on their own.
#pragma once
#include <string>
#include <vector>

namespace tarn {

// Runs `$SHELL -c command` (an interactive $SHELL when command is empty) in
// the current terminal and waits for it; the exit status (128 and the
// signal for one that a signal ended), or -1 when it could not be started.
int runShellCommand(const std::string& command);

// Runs a program with arguments in the current terminal and waits; SIGINT
// and SIGQUIT go to the program alone meanwhile.
int runProgram(const std::vector<std::string>& argv);

// Starts a program in a new terminal window ($TERMINAL, else
// x-terminal-emulator) without waiting; false when none can be found.
bool startInNewTerminal(const std::vector<std::string>& argv);

// Whether a program of that name is found along PATH.
bool programOnPath(const std::string& program);

// The path of the running program.
std::string ownExecutable();

}  // namespace tarn
