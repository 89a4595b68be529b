#include "edit/mark_scope.h"

#include "core/marks.h"

namespace tarn {

std::optional<LineScope> markScope(const Document& doc, MarkColumns columns) {
  std::optional<MarkLines> lines = markLines(doc);
  if (!lines) return std::nullopt;
  LineScope scope{lines->first, lines->firstNumber, lines->last, lines->lastNumber, {}};
  if (columns == MarkColumns::MarkedParts && markKind(doc) != markkind::kLine) {
    scope.part = [&doc](const Line& line, LineIndex number) {
      std::optional<MarkedPart> part = markedPart(doc, &line, number);
      if (!part) return ColumnSpan{};
      return ColumnSpan{part->first, part->last == kToLineEnd ? ColumnSpan::kLineEnd : part->last};
    };
  }
  return scope;
}

}  // namespace tarn
