#include "command/profiles.h"

#include "command/builtin_profile.h"
#include "core/editor.h"

namespace tarn::command {

void Profiles::loadAtStartup(const std::string& userProfile) {
  userProfile_ = userProfile;
  readBuiltin(ProfileMode::Full);
  readUserProfile(ProfileMode::Full);
}

bool Profiles::readBuiltin(ProfileMode mode) {
  store_.clear();
  return finish(readBuiltinText(builtinProfile(), [&](const ProfileLine& line) { return lines_.handle(line, mode); }));
}

bool Profiles::readUserProfile(ProfileMode mode) { return readFile(userProfile_, mode); }

bool Profiles::readFile(const std::string& path, ProfileMode mode) {
  std::optional<fs::FileStatus> file = fs::status(path);
  if (file) {
    for (const fs::FileStatus& open : reading_) {
      if (!open.sameFileAs(*file)) continue;
      editor_.screen.message("Profile or macro file \"" + path + "\" is already being read");
      return false;
    }
    reading_.push_back(*file);
  }
  // Known as being read until the reading ends, however it ends.
  struct Reading {
    std::vector<fs::FileStatus>& files;
    bool listed;
    ~Reading() {
      if (listed) files.pop_back();
    }
  } reading{reading_, file.has_value()};
  return finish(readProfileFile(path, [&](const ProfileLine& line) { return lines_.handle(line, mode); }));
}

bool Profiles::finish(const ProfileReading& reading) {
  if (!reading.message.empty()) editor_.screen.message(reading.message);
  return reading.completed;
}

}  // namespace tarn::command
