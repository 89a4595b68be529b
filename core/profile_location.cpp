#include "core/profile_location.h"

#include <strings.h>

#include "platform/directories.h"
#include "platform/environment.h"

namespace tarn {

std::string directoryOf(const std::string& path) {
  if (isDirectory(path)) return path.ends_with('/') ? path : path + "/";
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

bool isCopiedProfileFile(const std::string& name) {
  size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  const char* ext = name.c_str() + dot + 1;
  return strcasecmp(ext, "pro") == 0 || strcasecmp(ext, "py") == 0 || strcasecmp(ext, "vbs") == 0 ||
         strncasecmp(ext, "kwd", 3) == 0;
}

namespace {

std::string programDirectory() {
  std::string dir = executableDirectory();
  // The build tree keeps the support files beside the program.
  if (!findNoCase(dir, "TARN.Hlp").empty() || !findNoCase(dir, "TARN.Pro").empty()) return dir;
  return installedDataDirectory();
}

// The user's own profile directory, filled once from the first choice.
std::string userProfileDirectory(const std::string& firstChoice) {
  std::string dir = userConfigDirectory();
  if (!makeDirectories(dir)) return "";
  dir += "/";
  if (findNoCase(dir, "TARN.Pro").empty()) {
    for (const std::string& name : regularFiles(firstChoice))
      if (isCopiedProfileFile(name)) copyFileIfAbsent(firstChoice + name, dir + name);
  }
  return dir;
}

}  // namespace

Paths choosePaths(const std::optional<std::string>& profileArgument) {
  Paths paths;
  paths.programDirectory = programDirectory();
  setEnvironmentValue("TARN", paths.programDirectory);

  if (profileArgument) {
    paths.profileDirectory = directoryOf(*profileArgument);
  } else if (auto env = environmentValue("TARNPRO"); env && pathExists(*env)) {
    paths.profileDirectory = directoryOf(*env);
  } else {
    paths.profileDirectory = paths.programDirectory;
  }
  if (!directoryIsWritable(paths.profileDirectory)) {
    std::string own = userProfileDirectory(paths.profileDirectory);
    if (!own.empty()) paths.profileDirectory = own;
  }
  setEnvironmentValue("TARNPRO", paths.profileDirectory);

  removeAbandonedTemporaryDirectories();
  RunDirectory temporary = makePrivateTemporaryDirectory();
  paths.temporaryDirectory = temporary.path.empty() ? paths.profileDirectory : temporary.path;
  paths.temporaryLock = std::move(temporary.lock);
  return paths;
}

}  // namespace tarn
