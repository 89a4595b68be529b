// Plain text search in one line, forward or backward, exact or ignoring the
// case of ASCII letters, optionally for whole words only.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/word_separators.h"
#include "edit/byte_scan.h"
#include "edit/search_match.h"

namespace tarn {

class PlainSearch {
 public:
  // text must not be empty.
  void prepare(std::string_view text, bool ignoreCase);

  // The start of the occurrence nearest to from in the given direction
  // (from itself included); with wholeWords, only whole words count.
  std::optional<size_t> find(std::string_view line, int from, SearchDirection direction,
                             const WordSeparators* wholeWords) const;

  size_t length() const { return text_.size(); }

 private:
  bool occursAt(std::string_view line, size_t at, const WordSeparators* wholeWords) const;

  std::string text_;  // upper-cased when case is ignored
  bool ignoreCase_ = false;
  ByteToFind first_{};
};

}  // namespace tarn
