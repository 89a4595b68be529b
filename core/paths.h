// Where the program, its profile and its temporary files live.
#pragma once
#include <string>

namespace tarn {

struct Paths {
  std::string programDirectory;  // with a trailing '/'
  std::string profileDirectory;  // with a trailing '/'
  std::string temporaryDirectory;

  std::string inProfile(const std::string& name) const { return profileDirectory + name; }
  std::string inProgram(const std::string& name) const { return programDirectory + name; }
};

}  // namespace tarn
