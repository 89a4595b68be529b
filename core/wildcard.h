// File-name patterns: `*` stands for any run of characters, `?` for one.
#pragma once
#include <string_view>

namespace tarn {

bool hasWildcard(std::string_view name);
// Matches without regard to case.
bool matchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace tarn
