// What earlier runs left aside a file: recovery copies of unsaved changes,
// and the temporary file or old-text copy of a save that was cut short.
// A leftover that holds nothing the file lacks is removed; the others stay
// for the user, who is told where they are. A save still running in
// another editor (its temporary file locked) is left alone.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/aside_names.h"

namespace tarn {

struct Leftover {
  AsideKind kind;
  std::string path;
};

// Most important first: old text (the file itself may be cut short), then
// recovery copies, then unfinished new text; the newest first within a kind.
std::vector<Leftover> collectLeftovers(const std::string& file, const std::string& profileDirectory);

// One line for the message line about them; empty when there are none.
std::string leftoverNotice(std::string_view file, const std::vector<Leftover>& leftovers);

}  // namespace tarn
