// Directories the editor lives in: its own, the user's configuration and
// the private temporary directory of a run.
#pragma once
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace tarn {

bool pathExists(const std::string& path);
bool isDirectory(const std::string& path);
// The directory of the running program, with a trailing '/'.
std::string executableDirectory();
// The installed support files: <prefix>/share/tarnedit/.
std::string installedDataDirectory();
// $XDG_CONFIG_HOME/tarnedit (default ~/.config/tarnedit), without trailing '/'.
std::string userConfigDirectory();
// Whether a file can be created in the directory (one is made and removed).
bool directoryIsWritable(const std::string& dir);
bool makeDirectories(const std::string& dir);
// Names of the regular files in a directory.
std::vector<std::string> regularFiles(const std::string& dir);
struct DirectoryEntry {
  std::string name;
  bool isDirectory;
};
// Every entry of a directory; none when it cannot be read.
std::vector<DirectoryEntry> directoryEntries(const std::string& dir);
// Copies a file unless the target exists; false on failure.
bool copyFileIfAbsent(const std::string& from, const std::string& to);
// A private directory for this run (mode 0700) under $TMPDIR or /tmp,
// locked for as long as the lock stays open; the path is empty on failure.
struct RunDirectory {
  std::string path;
  fs::File lock;
};
RunDirectory makePrivateTemporaryDirectory();
// Removes the private directories of this user's runs that ended without
// removing their own (a crash, SIGKILL): those nobody holds locked. One made
// in the last few seconds is left, as its run may not have locked it yet.
void removeAbandonedTemporaryDirectories();
void removeTree(const std::string& dir);
// The name of an entry of dir equal to name without regard to case, or empty.
std::string findNoCase(const std::string& dir, const std::string& name);

}  // namespace tarn

namespace tarn {

// Operations of the `rename`, `erase` and `cd` commands; false on failure.
bool renamePath(const std::string& from, const std::string& to);
bool removeFile(const std::string& path);
bool changeDirectory(const std::string& dir);
std::string currentDirectory();

}  // namespace tarn
