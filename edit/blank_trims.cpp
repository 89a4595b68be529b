#include "edit/blank_trims.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "core/engine.h"
#include "core/settings.h"
#include "edit/handlers.h"
#include "edit/mark_renewal.h"
#include "edit/mark_scope.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"

namespace tarn {

namespace {

// Bytes a trim takes out of a text.
struct ByteRun {
  size_t at;
  size_t count;
};

// Squeezes each run of blanks in [from, end) to its first blank.
void squeezeBlanks(std::string_view text, size_t from, size_t end, std::vector<ByteRun>& runs) {
  for (size_t i = from; i < end;) {
    if (text[i] != ' ') {
      ++i;
      continue;
    }
    size_t run = i;
    while (run < end && text[run] == ' ') ++run;
    if (run - i > 1) runs.push_back({i + 1, run - i - 1});
    i = run;
  }
}

// What the trim bits take out of a text, left to right.
std::vector<ByteRun> trimmedRuns(std::string_view text, int trimBits) {
  std::vector<ByteRun> runs;
  size_t start = 0;
  if (trimBits & trim::kLeading) {
    start = firstNonWhite(text);
    if (start > 0) runs.push_back({0, start});
  }
  size_t end = text.size();
  if (trimBits & trim::kTrailing)
    while (end > start && text[end - 1] == ' ') --end;
  if (trimBits & trim::kCompress) {
    size_t firstNonBlank = start;
    while (firstNonBlank < end && text[firstNonBlank] == ' ') ++firstNonBlank;
    squeezeBlanks(text, firstNonBlank, end, runs);
  }
  if (end < text.size()) runs.push_back({end, text.size() - end});
  return runs;
}

// Bytes of the runs that lie before a place; a place inside a run goes to its start.
size_t removedBefore(const std::vector<ByteRun>& runs, size_t place) {
  size_t removed = 0;
  for (const ByteRun& run : runs) {
    if (run.at >= place) break;
    removed += std::min(run.count, place - run.at);
  }
  return removed;
}

// Trims one line's part; returns whether the line changed.
bool trimPart(EngineCall& call, Line& line, ColumnSpan span, int trimBits) {
  Document& doc = call.doc;
  ColumnRule rule = columnRule(call);
  std::string_view text = line.view();
  TextPosition from = positionAt(text, span.from, rule);
  if (from.beyond > 0) return false;
  size_t to = span.to == ColumnSpan::kLineEnd ? text.size()
                                               : std::min(text.size(), positionAt(text, span.to, rule).index + 1);
  if (to <= from.index) return false;
  std::string_view part = text.substr(from.index, to - from.index);
  std::vector<ByteRun> runs = trimmedRuns(part, trimBits);
  if (runs.empty()) return false;
  bool partEndsInside = to < text.size();
  size_t removed = removedBefore(runs, part.size());
  if (partEndsInside) {
    // Padded back, the part may come out as it was.
    std::string trimmed(part);
    trimText(trimmed, trimBits);
    if (trimmed + std::string(removed, ' ') == part) return false;
  }
  for (ByteRun& run : runs) run.at += from.index;

  TextPosition cursor = positionAt(text, doc.cursorColumn, rule);
  for (auto run = runs.rbegin(); run != runs.rend(); ++run)
    doc.deleteCharacters(line, static_cast<uint32_t>(run->at), static_cast<uint32_t>(run->count));
  if (partEndsInside) doc.insertCharacters(line, static_cast<uint32_t>(to - removed), std::string(removed, ' '));
  // Right of a part padded back, the cursor keeps its column.
  if (&line == doc.current && (!partEndsInside || cursor.index < to))
    doc.cursorColumn = columnOf(line.view(), cursor.index - removedBefore(runs, cursor.index), rule) + cursor.beyond;
  return true;
}

}  // namespace

void trimText(std::string& text, int trimBits) {
  std::vector<ByteRun> runs = trimmedRuns(text, trimBits);
  for (auto run = runs.rbegin(); run != runs.rend(); ++run) text.erase(run->at, run->count);
}

bool trimLines(EngineCall& call, const LineScope& scope, int trimBits) {
  bool changed = false;
  LineIndex number = scope.firstNumber;
  for (Line* line = scope.first;; line = line->next(), ++number) {
    changed |= trimPart(call, *line, scope.partOf(*line, number), trimBits);
    if (line == scope.last) break;
  }
  return changed;
}

namespace handler {

int trim(EngineCall& call) {
  int trimBits = static_cast<int>(call.arg1);
  if (call.arg2) {
    trimText(*reinterpret_cast<std::string*>(call.arg2), trimBits);
    return 1;
  }
  // The file's own mark, else the current line.
  Document& doc = call.doc;
  std::optional<LineScope> marked = markScope(doc, MarkColumns::MarkedParts);
  if (doc.isReadOnly() || (!marked && !mayEditCurrent(doc))) return refuseChange(call);
  MarkRecord before = markRecordOf(doc);
  trimLines(call, marked ? *marked : currentLineScope(doc), trimBits);
  setColumnsBack(call.engine.marks(), doc, before);
  return 1;
}

}  // namespace handler

}  // namespace tarn
