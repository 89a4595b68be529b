// Reading whole profiles: at start-up the built-in profile (after the
// definition store is emptied) and then the user's profile, whose lines
// override it; later `macro <file>` and the profiles of syntax-colouring
// sets. The reader's own messages (a missing file, an overlong line) are
// shown on the message line; each returns false when the file was missing
// or a line stopped the reading.
#pragma once
#include <string>
#include <vector>

#include "command/definition_store.h"
#include "command/profile_lines.h"
#include "platform/file_system.h"

namespace tarn {
struct Editor;
}

namespace tarn::command {

class Profiles {
 public:
  Profiles(Editor& editor, DefinitionStore& store, ProfileLines& lines)
      : editor_(editor), store_(store), lines_(lines) {}

  // Start-up: the built-in profile, then the user's profile at that path
  // (remembered for readUserProfile).
  void loadAtStartup(const std::string& userProfile);

  bool readBuiltin(ProfileMode mode);
  bool readUserProfile(ProfileMode mode);
  // A file already being read (a profile that names itself with `macro`,
  // directly or through others) is refused with a message.
  bool readFile(const std::string& path, ProfileMode mode);

 private:
  bool finish(const ProfileReading& reading);

  Editor& editor_;
  DefinitionStore& store_;
  ProfileLines& lines_;
  std::string userProfile_;
  std::vector<fs::FileStatus> reading_;  // the files being read, outermost first
};

}  // namespace tarn::command
