#include "core/wildcard.h"

#include "core/text_case.h"

namespace tarn {

bool hasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

bool matchesWildcard(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0;
  // Where the last `*` was, and where in the name it is now taken to end.
  size_t starAt = std::string_view::npos, resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || asciiLower(pattern[p]) == asciiLower(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace tarn
