#include "edit/mark_renewal.h"

#include <algorithm>

namespace tarn {

void setColumnsBack(Marks& marks, Document& doc, const MarkRecord& before) {
  if (before.kind == markkind::kCharacter || before.kind == markkind::kBlock) marks.restore(doc, before);
}

MarkRenewal::MarkRenewal(Marks& marks, Document& doc, LineIndex first, LineIndex last)
    : marks_(marks), doc_(doc), first_(first), last_(last) {
  if (!holdsMark(doc)) return;
  MarkRecord mark = markRecordOf(doc);
  if (mark.first <= last && mark.last >= first) mark_ = mark;
}

void MarkRenewal::renew(LineIndex newLast) {
  if (!mark_) return;
  MarkRecord mark = *mark_;
  auto moved = [&](LineIndex number, LineIndex withinRun) {
    if (number < first_) return number;
    if (number > last_) return number + (newLast - last_);
    return withinRun;
  };
  bool lineMark = mark.kind == markkind::kLine;
  mark.first = moved(mark.first, lineMark ? first_ : std::min(mark.first, newLast));
  mark.last = moved(mark.last, lineMark ? newLast : std::min(mark.last, newLast));
  if (marks_.restore(doc_, mark)) marks_.setChanged();
}

}  // namespace tarn
