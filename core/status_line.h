// The text of a status line and of the console title.
#pragma once
#include <string>
#include <string_view>

namespace tarn {

// The right part of a status line is this wide: " %6d %6d %-7s".
constexpr int kStatusRightWidth = 22;

struct StatusFields {
  std::string_view name;
  bool encrypted = false;
  int ringPlace = 0;  // the file's place in the ring of open files, from 1
  int ringSize = 0;
  int line = 0;           // line number, counting the first text line as 1
  int column = 0;         // from 1
  std::string_view mode;  // "Capture", "Rd Only", "Insert " or "Replace"
};

// The left part: the name (a long one as its first ten characters, "..."
// and its tail), " (Enc)" and " (n of m)" when they fit, padded to width.
std::string statusNamePart(const StatusFields& fields, int width);
std::string statusPositionPart(const StatusFields& fields);

// "Tarnedit", " - " and the name when there is one, then " *" for a
// modified file or " !" for a read-only one.
std::string consoleTitle(std::string_view name, bool modified, bool readOnly);

}  // namespace tarn
