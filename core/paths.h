// Where the program, its profile and its temporary files live.
#pragma once
#include <string>

namespace tarn {

struct Paths {
  std::string programDirectory;  // with a trailing '/'
  std::string profileDirectory;  // with a trailing '/'
  std::string temporaryDirectory;
};

}  // namespace tarn
