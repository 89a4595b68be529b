// Choosing the program directory and the profile directory at start-up.
#pragma once
#include <optional>
#include <string>

#include "core/paths.h"

namespace tarn {

// The directory a profile path stands for: the path itself when it is a
// directory, else the directory of the file; with a trailing '/'.
std::string directoryOf(const std::string& path);

// Whether a support file of the profile directory is copied into a new
// user profile directory: *.Pro, *.Py, *.Vbs and *.Kwd* without regard to case.
bool isCopiedProfileFile(const std::string& name);

// Program directory, profile directory (from "/p", else TARNPRO, else the
// program directory; when that is not writable, the user's configuration
// directory, given a copy of the profile files the first time) and the
// temporary directory of the run (after removing those that crashed runs
// left). Publishes TARN and TARNPRO in the environment.
Paths choosePaths(const std::optional<std::string>& profileArgument);

}  // namespace tarn
