// Reading profile text into logical lines. A profile file is read line by
// line (at most 1023 bytes a line); a line ending in a backslash goes on
// with the next line (the backslash and the blanks before it become one
// blank, the next line loses its leading blanks, and continuation lines
// beginning with '*' are skipped). Each logical line goes to the handler
// with its label, "n:" for the line it began on. The built-in profile is
// split at line ends only, and its lines carry no label.
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace tarn::command {

struct ProfileLine {
  std::string label;
  std::string text;
};

// Returns false to stop the reading.
using ProfileLineHandler = std::function<bool(const ProfileLine&)>;

struct ProfileReading {
  bool completed = true;  // false when the file was missing or a line stopped it
  std::string message;    // what the reader itself reports, when it does
};

ProfileReading readProfileText(std::string_view text, const ProfileLineHandler& handle);
ProfileReading readProfileFile(const std::string& path, const ProfileLineHandler& handle);
ProfileReading readBuiltinText(std::string_view text, const ProfileLineHandler& handle);

}  // namespace tarn::command
