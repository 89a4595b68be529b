// Keyword sets for tests, from the lines of a keyword file.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "edit/keyword_file.h"

namespace tarn {

// The lines, each ended by CR LF.
inline std::string keywordFile(const std::vector<std::string_view>& lines) {
  std::string text;
  for (std::string_view line : lines) (text += line) += "\r\n";
  return text;
}

inline KeywordSet keywordSet(const std::vector<std::string_view>& lines) {
  KeywordSet set;
  readKeywordText(set, keywordFile(lines), false);
  return set;
}

}  // namespace tarn
