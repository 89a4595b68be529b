// Where the program, its profile and its temporary files live.
#pragma once
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace tarn {

// The help file, beside the program.
inline constexpr std::string_view kHelpFileName = "TARN.Hlp";

struct Paths {
  std::string programDirectory;  // with a trailing '/'
  std::string profileDirectory;  // with a trailing '/'
  std::string temporaryDirectory;
  // Held while the run uses its temporary directory, so that no other start
  // of the editor takes it for a crashed run's.
  fs::File temporaryLock;
};

}  // namespace tarn
