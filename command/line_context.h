// Where a command line came from, for the messages about it: the profile
// line label ("12:", empty outside a profile file and for the built-in
// profile) and the line as written. Messages name both as
//   ... in line 12:"d f5=[bl] x"
#pragma once
#include <string>
#include <string_view>

namespace tarn::command {

struct LineContext {
  std::string_view label;
  std::string_view line;
};

// " in line " + label + the quoted line.
inline std::string inLine(const LineContext& where) {
  std::string text(" in line ");
  text.append(where.label).append("\"").append(where.line).append("\"");
  return text;
}

// `Unknown command "name" in line ...`, shared by definitions, profiles and `set`.
inline std::string unknownCommand(std::string_view name, const LineContext& where) {
  std::string text("Unknown command \"");
  text.append(name).append("\"").append(inLine(where));
  return text;
}

}  // namespace tarn::command
