// Backups: before the first save of a file in a run, the old file becomes
// "<name>.BackupVO" when `set backup` asks for it. Files opened for
// editing are entered here as not yet backed up.
#pragma once
#include <map>
#include <string>
#include <string_view>

namespace tarn {

struct Settings;

inline constexpr std::string_view kBackupSuffix = ".BackupVO";

// Whether the settings ask for a backup of this file: every file, or a
// pattern matching its lower-case name with extension (a name without one
// gets a trailing ".").
bool backupWanted(const Settings& settings, std::string_view path);

class BackupSet {
 public:
  // A file opened for editing; a file already entered keeps its state.
  void enter(const std::string& name);
  void leave(const std::string& name);
  // Whether saving the file now must first make its backup.
  bool due(const std::string& name, const Settings& settings) const;
  void done(const std::string& name);

 private:
  std::map<std::string, bool> backedUp_;
};

}  // namespace tarn
