#include "edit/plain_search.h"

#include <algorithm>
#include <cstring>

#include "core/text_case.h"
#include "edit/whole_words.h"

namespace tarn {

void PlainSearch::prepare(std::string_view text, bool ignoreCase) {
  text_.assign(text);
  ignoreCase_ = ignoreCase;
  if (ignoreCase)
    for (char& c : text_) c = asciiUpper(c);
  first_ = byteToFind(text_[0], ignoreCase);
}

std::optional<size_t> PlainSearch::find(std::string_view line, int from, SearchDirection direction,
                                        const WordSeparators* wholeWords) const {
  if (line.size() < text_.size()) return std::nullopt;
  const size_t lastStart = line.size() - text_.size();
  if (direction == SearchDirection::kForward) {
    for (size_t at = from > 0 ? static_cast<size_t>(from) : 0; at <= lastStart; ++at) {
      at = scanForward(line, at, first_);
      if (at > lastStart) break;
      if (occursAt(line, at, wholeWords)) return at;
    }
    return std::nullopt;
  }
  if (from < 0) return std::nullopt;
  for (size_t at = std::min(static_cast<size_t>(from), lastStart);; --at) {
    at = scanBackward(line, at, first_);
    if (at == std::string_view::npos) break;
    if (occursAt(line, at, wholeWords)) return at;
    if (at == 0) break;
  }
  return std::nullopt;
}

bool PlainSearch::occursAt(std::string_view line, size_t at, const WordSeparators* wholeWords) const {
  const size_t end = at + text_.size();
  if (ignoreCase_) {
    for (size_t i = 1; i < text_.size(); ++i)
      if (asciiUpper(line[at + i]) != text_[i]) return false;
  } else if (std::memcmp(line.data() + at + 1, text_.data() + 1, text_.size() - 1) != 0) {
    return false;
  }
  if (!wholeWords) return true;
  int before = at > 0 ? static_cast<unsigned char>(line[at - 1]) : -1;
  int after = end < line.size() ? static_cast<unsigned char>(line[end]) : -1;
  return isWordEdge(*wholeWords, before) && isWordEdge(*wholeWords, after);
}

}  // namespace tarn
