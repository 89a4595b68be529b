// `create table`: the words of each line-marked line laid out on the tab
// stops, one word to a stop.
#include <string>

#include "core/engine.h"
#include "core/marks.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/mark_scope.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"

namespace tarn {

namespace {

class TableLayout {
 public:
  explicit TableLayout(const EngineCall& call)
      : stops_(call.engine.tabStops()),
        separators_(call.engine.wordSeparators()),
        rule_(columnRule(call)),
        longest_(longestLine(call.doc)) {}

  // The first word goes to the first stop at or after its column; every
  // next word, the separators before it giving way to blanks, to the first
  // stop that leaves a blank after the word before it. Where no stop is
  // left the rest of the line stays as it was, and so do separators after
  // the last word.
  std::string laidOut(std::string_view text) const {
    size_t word = separatorsFrom(text, 0);
    if (word == text.size()) return std::string(text);
    std::string out(text.substr(0, word));
    int column = columnOf(text, word, rule_);
    int stop = column < kTabStopColumns && stops_[column] ? column : nextStop(column);
    if (stop < 0) return std::string(text);
    for (;;) {
      out.append(static_cast<size_t>(stop - column), ' ');
      column = stop;
      size_t end = word;
      for (; end < text.size() && !separators_.isSeparator(text[end]); ++end)
        column = columnAfter(text[end], column, rule_);
      out.append(text.substr(word, end - word));
      word = separatorsFrom(text, end);
      stop = nextStop(column);
      if (word == text.size() || stop < 0) {
        out.append(text.substr(end));
        return out;
      }
    }
  }

 private:
  size_t separatorsFrom(std::string_view text, size_t i) const {
    while (i < text.size() && separators_.isSeparator(text[i])) ++i;
    return i;
  }

  // The first stop after a column within the longest allowed line, or -1.
  int nextStop(int column) const {
    int stop = nextTabStop(stops_, column);
    return stop < longest_ ? stop : -1;
  }

  const TabStops& stops_;
  const WordSeparators& separators_;
  ColumnRule rule_;
  int longest_;
};

}  // namespace

namespace handler {

// Every line from the first to the last of a line mark of this file.
int createTable(EngineCall& call) {
  Document& doc = call.doc;
  if (markKind(doc) != markkind::kLine) return 0;
  if (doc.isReadOnly()) return refuseChange(call);
  LineScope scope = *markScope(doc, MarkColumns::WholeLines);
  TableLayout table(call);
  for (Line* line = scope.first;; line = line->next()) {
    std::string text = table.laidOut(line->view());
    if (text != line->view()) doc.setText(*line, text);
    if (line == scope.last) break;
  }
  doc.flags |= docflag::kRepaintAll;
  call.engine.marks().setChanged();
  return 1;
}

}  // namespace handler

}  // namespace tarn
