// The editor's command line: switches, function strings and file specifications.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tarn {

struct StartupAction {
  enum class Kind { FunctionString, OpenFile, OpenHelp };
  Kind kind;
  std::string text;
  bool readOnly = false;
};

struct StartupArguments {
  std::optional<std::string> profilePath;  // from "/p<path>" naming an existing path
  bool keepScreen = false;                 // "/d"
  std::vector<StartupAction> actions;      // in command-line order
};

// pathExists tells whether a "/p" path names something on disk.
StartupArguments parseStartupArguments(const std::vector<std::string>& args,
                                       bool (*pathExists)(const std::string&));

// A quoted profile-style line ("'s ...'", "'set ...'", "'d ...'", "'def ...'")
// loses its quotes; any other function string is kept as it is.
std::string unquoteProfileLine(const std::string& text);

}  // namespace tarn
