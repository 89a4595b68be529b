#include "core/backups.h"

#include "core/file_names.h"
#include "core/settings.h"
#include "core/text_case.h"
#include "core/wildcard.h"

namespace tarn {

bool backupWanted(const Settings& settings, std::string_view path) {
  if (settings.backupAll) return true;
  if (settings.backupPatterns.empty()) return false;
  std::string name = lowerCase(baseNameOf(path));
  if (name.find('.') == std::string::npos) name += '.';
  for (const std::string& pattern : settings.backupPatterns)
    if (matchesWildcard(pattern, name)) return true;
  return false;
}

void BackupSet::enter(const std::string& name) { backedUp_.try_emplace(name, false); }

void BackupSet::leave(const std::string& name) { backedUp_.erase(name); }

bool BackupSet::due(const std::string& name, const Settings& settings) const {
  auto it = backedUp_.find(name);
  return it != backedUp_.end() && !it->second && backupWanted(settings, name);
}

void BackupSet::done(const std::string& name) {
  auto it = backedUp_.find(name);
  if (it != backedUp_.end()) it->second = true;
}

}  // namespace tarn
