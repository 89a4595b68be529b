// Setting the mark again after a function changed the lines it stands on.
//
// Functions that put a new run of lines in the place of a run (filling,
// sorting) set the mark that overlapped the run again around the new one:
// a line mark's ends within the run go to the new run's first and last
// lines; a character or block mark's corners keep their line numbers, a
// corner within the run staying within the new one. Ends below the run
// keep to their text. A mark that did not overlap the run is left as the
// document's primitives keep it.
#pragma once
#include <optional>

#include "core/marks.h"

namespace tarn {

// Functions that change the text of the mark's lines but leave the mark
// where it stood (trims, aligning) set a character or block mark back on
// the columns it had, which the primitives moved with the characters its
// corners stood on. A line mark stays by itself.
void setColumnsBack(Marks& marks, Document& doc, const MarkRecord& before);

class MarkRenewal {
 public:
  // Notes the document's mark before the lines first to last are replaced.
  MarkRenewal(Marks& marks, Document& doc, LineIndex first, LineIndex last);

  // The new run ends at newLast: the mark is set again around it.
  void renew(LineIndex newLast);

 private:
  Marks& marks_;
  Document& doc_;
  LineIndex first_;
  LineIndex last_;
  std::optional<MarkRecord> mark_;
};

}  // namespace tarn
