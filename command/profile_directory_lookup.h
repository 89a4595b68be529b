// Profiles and macro files named without a directory are also found in the
// profile directory.
#pragma once
#include <string>

namespace tarn {
struct Editor;
}

namespace tarn::command {

// The path as given when something is there, or when it names a directory;
// else the entry of the profile directory with that name (in any case),
// when there is one; else the path as given.
std::string findInProfileDirectory(const Editor& editor, const std::string& path);

}  // namespace tarn::command
