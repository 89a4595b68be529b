// The lines after the one searched, for pattern matches that run on past
// its end. The search asks for them on demand, so that a document can hand
// them out without the search knowing about documents.
#pragma once
#include <optional>
#include <string_view>

namespace tarn {

class LineSource {
 public:
  // The text of the k-th line after the line searched, or nothing past the
  // last line. Within one search k is asked in increasing order from 1, each
  // at most once; the next search starts again from 1.
  virtual std::optional<std::string_view> lineAfter(int k) = 0;

 protected:
  ~LineSource() = default;
};

}  // namespace tarn
