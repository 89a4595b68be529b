// Name matching folds only the ASCII capitals: names are ASCII, and bytes of
// the console code page above 127 must stay as they are.
#pragma once
#include <string>
#include <string_view>

namespace tarn::command {

inline std::string asciiLower(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lowered;
}

}  // namespace tarn::command
