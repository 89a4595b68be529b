// Where the program, its profile and its temporary files live.
#pragma once
#include <string>

#include "platform/file_system.h"

namespace tarn {

struct Paths {
  std::string programDirectory;  // with a trailing '/'
  std::string profileDirectory;  // with a trailing '/'
  std::string temporaryDirectory;
  // Held while the run uses its temporary directory, so that no other start
  // of the editor takes it for a crashed run's.
  fs::File temporaryLock;
};

}  // namespace tarn
