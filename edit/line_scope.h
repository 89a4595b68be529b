// The lines a formatting function works on: from a first to a last text
// line, and on each the part between two display columns. The current
// line is one scope; the lines and columns of a mark are others.
#pragma once
#include <climits>
#include <functional>

#include "core/document.h"

namespace tarn {

// Display columns from and to, both included.
struct ColumnSpan {
  static constexpr int kLineEnd = INT_MAX;
  int from = 0;
  int to = kLineEnd;
};

struct LineScope {
  Line* first = nullptr;
  LineIndex firstNumber;
  Line* last = nullptr;
  LineIndex lastNumber;
  // The part of a line the function acts on; whole lines when empty.
  std::function<ColumnSpan(const Line&, LineIndex)> part;

  ColumnSpan partOf(const Line& line, LineIndex number) const { return part ? part(line, number) : ColumnSpan{}; }
};

// The cursor's line alone, whole.
inline LineScope currentLineScope(const Document& doc) {
  return {doc.current, doc.currentLineNumber, doc.current, doc.currentLineNumber, {}};
}

}  // namespace tarn
