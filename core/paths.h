// Where the program, its profile and its temporary files live.
#pragma once
#include <string>
#include <string_view>

namespace tarn {

// The help file, beside the program.
inline constexpr std::string_view kHelpFileName = "TARN.Hlp";

struct Paths {
  std::string programDirectory;  // with a trailing '/'
  std::string profileDirectory;  // with a trailing '/'
  std::string temporaryDirectory;
};

}  // namespace tarn
