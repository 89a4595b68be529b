// Turning a file specification into full file names: the name is checked,
// the directory is rebuilt with the spelling each component has on disk
// (an exact match first, else the entry equal without regard to case), and
// wildcards are matched against the directory.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Appends the names a file pattern stands for; false when it is invalid
// (nothing is appended then). A relative pattern starts from
// currentDirectory. A name without wildcards that matches nothing is a new file.
bool expandSpecification(std::string_view spec, const std::string& currentDirectory,
                         std::vector<std::string>& names);

// NUL, AUX, CON, COM1, COM2, LPT1, LPT2 and PRN without an extension, in any case.
bool isReservedDeviceName(std::string_view name);

// The part of a path before its last '/' ("/" for a name in the root, "." without one).
std::string directoryOf(std::string_view path);
std::string_view baseNameOf(std::string_view path);

}  // namespace tarn
