// Running a helper program without a shell, the text it is given on its
// standard input and what it writes taken from its standard output: the
// desktop's clipboard programs.
#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

struct PipedRun {
  // What the program reads on its standard input.
  std::string_view input;
  // Whether its standard output is collected; otherwise it goes nowhere, so
  // that a program leaving a server behind (which keeps its descriptors) is
  // not waited for.
  bool collectOutput = false;
  // How long the program may take; it is killed after that.
  std::chrono::milliseconds timeout{2000};
};

struct PipedResult {
  int status = -1;     // the exit status; -1 when it did not end by itself
  std::string output;  // with collectOutput
};

// Runs argv[0] (found along PATH) with the arguments in a session of its own,
// so that what it leaves running outlives the editor's terminal. Nothing
// when it could not be started.
std::optional<PipedResult> runPiped(const std::vector<std::string>& argv, const PipedRun& run);

}  // namespace tarn
