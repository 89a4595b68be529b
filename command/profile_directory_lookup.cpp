#include "command/profile_directory_lookup.h"

#include "core/editor.h"
#include "platform/directories.h"

namespace tarn::command {

std::string findInProfileDirectory(const Editor& editor, const std::string& path) {
  if (pathExists(path) || path.find('/') != std::string::npos) return path;
  const std::string& directory = editor.paths.profileDirectory;
  std::string found = findNoCase(directory, path);
  return found.empty() ? path : directory + found;
}

}  // namespace tarn::command
