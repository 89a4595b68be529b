#include "edit/search_marks.h"

#include <algorithm>
#include <climits>

#include "core/engine.h"

namespace tarn {

namespace {
constexpr int kCharacterMark = 1;
constexpr int kBlockMark = 2;
constexpr int kOneCorner = 1;
constexpr int kBothCorners = 2;

// Clears a document's mark of every kind.
void removeMark(Document& doc) {
  if (doc.range.first) {
    for (Line* l = doc.range.first; l; l = l == doc.range.last ? nullptr : l->next())
      l->flags &= ~lineflag::kInRange;
    doc.range = OperationRange{};
    doc.flags |= docflag::kRepaintAll;
  }
  if (doc.mark.type) {
    doc.mark = Mark{};
    doc.flags |= docflag::kRepaintAll;
  }
}
}  // namespace

std::optional<MarkedColumns> markedColumns(const Document& doc, const Line* line, LineIndex number) {
  if (doc.range.first && number >= doc.range.firstNumber && number <= doc.range.lastNumber)
    return MarkedColumns{0, INT_MAX};
  const Mark& m = doc.mark;
  if ((m.type != kCharacterMark && m.type != kBlockMark) || !m.firstLine || !line) return std::nullopt;
  LineIndex firstNumber = m.firstLineNumber;
  LineIndex lastNumber = m.lastLine ? m.lastLineNumber : firstNumber;
  int firstColumn = m.firstColumn;
  int lastColumn = m.lastLine ? m.lastColumn : firstColumn;
  if (lastNumber < firstNumber || (lastNumber == firstNumber && lastColumn < firstColumn)) {
    std::swap(firstNumber, lastNumber);
    std::swap(firstColumn, lastColumn);
  }
  if (number < firstNumber || number > lastNumber) return std::nullopt;
  if (m.type == kBlockMark || firstNumber == lastNumber)
    return MarkedColumns{std::min(firstColumn, lastColumn), std::max(firstColumn, lastColumn)};
  if (number == firstNumber) return MarkedColumns{firstColumn, INT_MAX};
  if (number == lastNumber) return MarkedColumns{0, lastColumn};
  return MarkedColumns{0, INT_MAX};
}

void showBlockMark(Engine& engine, Document& doc, Line* line, LineIndex number, int first, int last,
                   bool onlyMark) {
  if (onlyMark) {
    for (auto& other : engine.documents()) removeMark(*other);
  }
  doc.mark = Mark{kBlockMark, first == last ? kOneCorner : kBothCorners, line, first, number, line, last, number};
  doc.flags |= docflag::kRepaintAll;
}

void restoreMark(Document& doc, const Mark& kept) {
  doc.mark = kept;
  doc.flags |= docflag::kRepaintAll;
}

}  // namespace tarn
