#include "core/document.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>
#include <utility>

namespace tarn {

namespace {
constexpr char kTopText[] = "\xCD\xCD\xCD Top of file \xCD\xCD\xCD";
constexpr char kBottomText[] = "\xCD\xCD\xCD Bottom of file \xCD\xCD\xCD";

// Marks the lines being relinked for the one walk that finds their places.
constexpr uint16_t kRelinking = 0x8000;

void link(Line* a, Line* b) {
  if (a) a->setNext(b);
  if (b) b->setPrev(a);
}

// Links lines in between `after` and the line that follows it, in their order.
void linkInAfter(Line* after, std::span<Line* const> lines) {
  Line* next = after->next();
  Line* prev = after;
  for (Line* line : lines) {
    link(prev, line);
    prev = line;
  }
  link(prev, next);
}

bool holdsTab(std::string_view text) { return text.find('\t') != std::string_view::npos; }

// A line's has-tab flag after text left it.
void recheckTabs(Line& line, std::string_view removed) {
  if (holdsTab(removed) && !holdsTab(line.view())) line.flags &= ~lineflag::kHasTab;
}

// The marked line nearest to a deleted end of the line range, walking from
// the line next to it (numbered n) in the given direction; becomes null when
// none is left.
LineIndex nearestInRange(Line*& end, LineIndex n, int step) {
  Line* l = step > 0 ? end->next() : end->prev();
  while (l && !(l->flags & lineflag::kInRange)) {
    l = step > 0 ? l->next() : l->prev();
    n += step;
  }
  end = l;
  return n;
}

// A number of a line after count lines were linked in at index.
void shiftForInsert(LineIndex& number, LineIndex index, int count) {
  if (number >= index) number += count;
}

// The place of something that stood on a deleted line: the line that
// follows it, or the one before at the end.
void moveOffDeleted(Line*& line, LineIndex& number, Line* deleted, LineIndex index) {
  if (line == deleted) {
    Line* next = deleted->next();
    line = next ? next : deleted->prev();
    number = next ? index : index - 1;
  } else if (number > index) {
    --number;
  }
}
}  // namespace

std::string_view topOfFileText() { return kTopText; }
std::string_view bottomOfFileText() { return kBottomText; }

Document::Document(int id_, uint32_t flags_, const OptionRow& defaults)
    : id(id_), flags(flags_), options(defaults) {}

Document::~Document() { freeLines(); }

void Document::addObserver(ChangeObserver& observer) {
  if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end())
    observers_.push_back(&observer);
}

void Document::removeObserver(ChangeObserver& observer) { std::erase(observers_, &observer); }

void Document::setUndoLog(std::unique_ptr<UndoLog> log) {
  if (undo_) removeObserver(*undo_);
  undo_ = std::move(log);
  if (undo_) addObserver(*undo_);
}

void Document::freeLines() {
  LineArena::instance().releaseChain(first);
  first = last = current = nullptr;
  lineCount = 0;
  view = View{};
  bookmarks = {};
  mark = Mark{};
  anchor = LinePlace{};
  range = OperationRange{};
  tabExpansions_.clear();
  known_ = nullptr;
}

void Document::appendLine(Line* line) {
  link(last, line);
  if (!first) first = line;
  last = line;
  ++lineCount;
  if (line->length > longestLine) longestLine = line->length;
}

void Document::addSentinels() {
  if (!first) appendLine(makeLine(0));
  Line* top = makeLine(topOfFileText());
  Line* bottom = makeLine(bottomOfFileText());
  link(top, first);
  link(last, bottom);
  first = top;
  last = bottom;
  lineCount += 2;
  current = first;
  currentLineNumber = kFirstLine;
  view.topLine = first;
  view.topLineNumber = kFirstLine;
  view.leftColumn = 0;
  textReplaced();
}

void Document::makeSingleLine() {
  freeLines();
  first = last = current = makeLine(0);
  lineCount = 1;
  currentLineNumber = kFirstLine;
  view.topLine = first;
  view.topLineNumber = kFirstLine;
  textReplaced();
}

void Document::textReplaced() {
  known_ = nullptr;
  for (ChangeObserver* o : observers_) o->textReplaced(*this);
}

void Document::insertAfterCurrent(Line* line) {
  Line* next = current ? current->next() : nullptr;
  link(current, line);
  link(line, next);
  if (!current) first = line;
  if (current == last || !last) last = line;
  linesLinked({&line, 1}, current ? currentLineNumber + 1 : kFirstLine);
}

void Document::insertAfter(Line* where, Line* line) {
  if (where == current) return insertAfterCurrent(line);
  insertAfter(where, {&line, 1});
}

void Document::insertAfter(Line* where, std::span<Line* const> lines) {
  if (lines.empty()) return;
  LineIndex index = indexOf(where) + 1;
  linkInAfter(where, lines);
  if (where == last) last = lines.back();
  linesLinked(lines, index);
}

void Document::insertBeforeCurrent(Line* line) {
  Line* prev = current ? current->prev() : nullptr;
  link(prev, line);
  link(line, current);
  if (current == first || !first) first = line;
  if (!current) last = line;
  linesLinked({&line, 1}, current ? currentLineNumber : kFirstLine);
}

// Lines linked in from index on, in their order: everything numbered from
// index on moves down by as many lines.
void Document::linesLinked(std::span<Line* const> lines, LineIndex index) {
  const int count = static_cast<int>(lines.size());
  lineCount += count;
  for (Line* line : lines) {
    if (line->length > longestLine) longestLine = line->length;
    if (holdsTab(line->view())) line->flags |= lineflag::kHasTab;
  }
  if (current && std::find(lines.begin(), lines.end(), current) == lines.end())
    shiftForInsert(currentLineNumber, index, count);
  if (view.topLine) shiftForInsert(view.topLineNumber, index, count);
  for (Bookmark& b : bookmarks)
    if (b.isSet()) shiftForInsert(b.lineNumber, index, count);
  if (mark.type) {
    shiftForInsert(mark.firstLineNumber, index, count);
    shiftForInsert(mark.lastLineNumber, index, count);
  }
  if (anchor.isSet()) shiftForInsert(anchor.lineNumber, index, count);
  if (range.first) {
    shiftForInsert(range.firstNumber, index, count);
    shiftForInsert(range.lastNumber, index, count);
  }
  known_ = lines.back();
  knownIndex_ = index + (count - 1);
  changed();
  for (int k = 0; k < count; ++k)
    for (ChangeObserver* o : observers_) o->lineInserted(*this, *lines[static_cast<size_t>(k)], index + k);
}

void Document::setLength(Line& line, uint32_t n) {
  line.length = n;
  if (n > longestLine) longestLine = n;
}

void Document::insertCharacters(Line& line, uint32_t column, std::string_view text) {
  auto n = static_cast<uint32_t>(text.size());
  if (n == 0) return;  // an empty view may hold no pointer
  if (column > line.length) column = line.length;
  growLine(&line, n);
  std::memmove(line.text + column + n, line.text + column, line.length - column);
  std::memcpy(line.text + column, text.data(), n);
  setLength(line, line.length + n);
  line.text[line.length] = '\0';
  if (holdsTab(text)) line.flags |= lineflag::kHasTab;
  auto shift = [&](Line* markLine, int& markColumn) {
    if (markLine == &line && markColumn >= static_cast<int>(column)) markColumn += static_cast<int>(n);
  };
  if (mark.type) {
    shift(mark.firstLine, mark.firstColumn);
    shift(mark.lastLine, mark.lastColumn);
  }
  shift(anchor.line, anchor.column);
  changed();
  if (observers_.empty()) return;
  TextChange change{line, indexOf(&line), column, line.view().substr(column, n), besideText_};
  for (ChangeObserver* o : observers_) o->charactersInserted(*this, change);
}

void Document::deleteCharacters(Line& line, uint32_t column, uint32_t n) {
  if (column >= line.length || n == 0) return;
  if (n > line.length - column) n = line.length - column;
  std::string removed(line.text + column, n);
  std::memmove(line.text + column, line.text + column + n, line.length - column - n);
  line.length -= n;
  line.text[line.length] = '\0';
  recheckTabs(line, removed);
  auto shift = [&](Line* markLine, int& markColumn) {
    if (markLine != &line || markColumn <= static_cast<int>(column)) return;
    int end = static_cast<int>(column + n);
    markColumn = markColumn >= end ? markColumn - static_cast<int>(n) : static_cast<int>(column);
  };
  if (mark.type) {
    shift(mark.firstLine, mark.firstColumn);
    shift(mark.lastLine, mark.lastColumn);
  }
  shift(anchor.line, anchor.column);
  changed();
  if (observers_.empty()) return;
  TextChange change{line, indexOf(&line), column, removed, besideText_};
  for (ChangeObserver* o : observers_) o->charactersDeleted(*this, change);
}

void Document::replaceCharacters(Line& line, uint32_t column, std::string_view text) {
  if (text.empty() || column >= line.length) return;
  auto n = static_cast<uint32_t>(std::min<size_t>(text.size(), line.length - column));
  std::string before(line.text + column, n);
  std::memcpy(line.text + column, text.data(), n);
  recheckTabs(line, before);
  if (holdsTab(text.substr(0, n))) line.flags |= lineflag::kHasTab;
  changed();
  if (observers_.empty()) return;
  TextChange change{line, indexOf(&line), column, before, besideText_};
  for (ChangeObserver* o : observers_) o->charactersReplaced(*this, change);
}

void Document::setText(Line& line, std::string_view text) {
  std::string_view old = line.view();
  size_t prefix = 0;
  while (prefix < old.size() && prefix < text.size() && old[prefix] == text[prefix]) ++prefix;
  size_t suffix = 0;
  while (suffix < old.size() - prefix && suffix < text.size() - prefix &&
         old[old.size() - 1 - suffix] == text[text.size() - 1 - suffix])
    ++suffix;
  auto column = static_cast<uint32_t>(prefix);
  deleteCharacters(line, column, static_cast<uint32_t>(old.size() - prefix - suffix));
  insertCharacters(line, column, text.substr(prefix, text.size() - prefix - suffix));
}

void Document::expandTabs(Line& line, std::string_view expanded) {
  setTabExpansion(line, TabExpansion{std::string(line.view()), std::string(expanded)});
  BesideText beside(*this);
  setText(line, expanded);
}

void Document::restoreTabs(Line& line, std::string_view text) {
  setTabExpansion(line, std::nullopt);
  BesideText beside(*this);
  setText(line, text);
}

const TabExpansion* Document::tabExpansion(const Line& line) const {
  if (!(line.flags & lineflag::kTabsExpanded)) return nullptr;
  auto it = tabExpansions_.find(&line);
  return it == tabExpansions_.end() ? nullptr : &it->second;
}

void Document::setTabExpansion(Line& line, std::optional<TabExpansion> expansion) {
  std::optional<TabExpansion> previous;
  if (auto it = tabExpansions_.find(&line); it != tabExpansions_.end()) {
    previous = std::move(it->second);
    tabExpansions_.erase(it);
  }
  if (expansion) {
    tabExpansions_.emplace(&line, std::move(*expansion));
    line.flags |= lineflag::kTabsExpanded;
  } else {
    line.flags &= ~lineflag::kTabsExpanded;
  }
  if (!previous && !expansion) return;
  LineIndex index = indexOf(&line);
  for (ChangeObserver* o : observers_) o->tabExpansionChanged(*this, line, index, previous);
}

void Document::deleteLine(Line* line) {
  LineIndex index = indexOf(line);
  Line* prev = line->prev();
  Line* next = line->next();
  link(prev, next);
  if (first == line) first = next;
  if (last == line) last = prev;
  moveOffLine(line, index);
  --lineCount;
  known_ = next ? next : prev;
  knownIndex_ = next ? index : index - 1;
  changed();
  for (ChangeObserver* o : observers_) o->lineDeleted(*this, *line, index);
  if (line->flags & lineflag::kTabsExpanded) tabExpansions_.erase(line);
  freeLine(line);
}

// What stood on a line that is going, and the numbers below it. The line
// is unlinked already; its neighbours are still reachable from it.
void Document::moveOffLine(Line* line, LineIndex index) {
  moveOffDeleted(current, currentLineNumber, line, index);
  if (view.topLine) moveOffDeleted(view.topLine, view.topLineNumber, line, index);
  for (Bookmark& b : bookmarks) {
    if (b.line == line)
      b = Bookmark{};
    else if (b.isSet() && b.lineNumber > index)
      --b.lineNumber;
  }
  if (mark.type) {
    if (mark.firstLine == line && mark.lastLine == line) {
      mark = Mark{};
    } else {
      // A corner on the line goes to the nearest line still inside the mark.
      if (mark.firstLine == line) {
        mark.firstLine = line->next();
      } else if (mark.firstLineNumber > index) {
        --mark.firstLineNumber;
      }
      if (mark.lastLine == line) {
        mark.lastLine = line->prev();
        --mark.lastLineNumber;
      } else if (mark.lastLineNumber > index) {
        --mark.lastLineNumber;
      }
    }
  }
  if (anchor.line == line) {
    // The anchor keeps to text lines: the one that follows, else the one before.
    Line* next = line->next();
    bool nextIsText = next && next != last;
    Line* prev = line->prev();
    bool prevIsText = prev && prev != first;
    if (nextIsText || prevIsText)
      anchor = LinePlace{nextIsText ? next : prev, anchor.column, nextIsText ? index : index - 1};
    else
      anchor = LinePlace{};
  } else if (anchor.isSet() && anchor.lineNumber > index) {
    --anchor.lineNumber;
  }
  if (range.first) {
    if (line->flags & lineflag::kInRange) --range.count;
    bool wasFirst = range.first == line;
    bool wasLast = range.last == line;
    // An end of the range on the line goes to the nearest line still marked.
    if (wasFirst)
      range.firstNumber = nearestInRange(range.first, index, +1);
    else if (range.firstNumber > index)
      --range.firstNumber;
    if (wasLast)
      range.lastNumber = nearestInRange(range.last, index - 1, -1);
    else if (range.lastNumber > index)
      --range.lastNumber;
    if (range.count <= 0 || !range.first || !range.last) range = OperationRange{};
  }
}

void Document::relinkLines(Line* after, const std::vector<Line*>& lines) {
  if (lines.empty()) return;
  std::vector<LineIndex> previous = indicesOf(lines);
  relinkLines(after, indexOf(after), lines, previous);
}

void Document::relinkLines(Line* after, LineIndex afterIndex, const std::vector<Line*>& lines,
                           const std::vector<LineIndex>& previous) {
  if (lines.empty()) return;
  for (Line* line : lines) link(line->prev(), line->next());
  linkInAfter(after, lines);
  LineIndex to = renumberAfterRelink(afterIndex, lines, previous);
  changed();
  LinesMoved moved{*std::min_element(previous.begin(), previous.end()), to, static_cast<int>(lines.size()),
                   previous};
  for (ChangeObserver* o : observers_) o->linesMoved(*this, moved);
}

// One walk down to the last of the lines; each line is found again among
// the walked ones by its address.
std::vector<LineIndex> Document::indicesOf(const std::vector<Line*>& lines) const {
  for (Line* line : lines) line->flags |= kRelinking;
  std::vector<std::pair<const Line*, LineIndex>> found;
  found.reserve(lines.size());
  LineIndex n = kFirstLine;
  for (const Line* l = first; l && found.size() < lines.size(); l = l->next(), ++n)
    if (l->flags & kRelinking) found.emplace_back(l, n);
  for (Line* line : lines) line->flags &= ~kRelinking;
  auto byAddress = [](const std::pair<const Line*, LineIndex>& a, const Line* b) {
    return std::less<const Line*>()(a.first, b);
  };
  std::sort(found.begin(), found.end(), [&](const auto& a, const auto& b) { return byAddress(a, b.first); });
  std::vector<LineIndex> indices;
  indices.reserve(lines.size());
  for (const Line* line : lines)
    indices.push_back(std::lower_bound(found.begin(), found.end(), line, byAddress)->second);
  return indices;
}

// Everything that stands on a line gets its number again, worked out from
// the numbers before the move without walking the text: a moved line is
// its place among the lines after `after`; another line moves up by the
// moved lines that were above it, and down by them all when it is below
// their new place. Returns the index of the first moved line.
LineIndex Document::renumberAfterRelink(LineIndex afterIndex, const std::vector<Line*>& lines,
                                   const std::vector<LineIndex>& previous) {
  known_ = nullptr;
  struct Place {
    const Line* line;
    LineIndex* number;
    bool moved = false;
  };
  std::vector<Place> places;
  auto add = [&](const Line* line, LineIndex& number) {
    if (line) places.push_back({line, &number});
  };
  add(current, currentLineNumber);
  add(view.topLine, view.topLineNumber);
  for (Bookmark& b : bookmarks) add(b.line, b.lineNumber);
  if (mark.type) {
    add(mark.firstLine, mark.firstLineNumber);
    add(mark.lastLine, mark.lastLineNumber);
  }
  add(anchor.line, anchor.lineNumber);
  if (range.first) {
    add(range.first, range.firstNumber);
    add(range.last, range.lastNumber);
  }
  auto byLine = [](const Place& a, const Place& b) { return std::less<const Line*>()(a.line, b.line); };
  std::sort(places.begin(), places.end(), byLine);

  // The old numbers the counting needs: those of the places and of `after`.
  std::vector<LineIndex> asked{afterIndex};
  for (const Place& p : places) asked.push_back(*p.number);
  std::sort(asked.begin(), asked.end());
  asked.erase(std::unique(asked.begin(), asked.end()), asked.end());
  // above[i]: how many moved lines stood above the line numbered asked[i].
  std::vector<int> above(asked.size() + 1, 0);
  for (LineIndex p : previous) ++above[std::upper_bound(asked.begin(), asked.end(), p) - asked.begin()];
  std::partial_sum(above.begin(), above.end(), above.begin());
  auto movedAbove = [&](LineIndex n) { return above[std::lower_bound(asked.begin(), asked.end(), n) - asked.begin()]; };
  const LineIndex afterNow = afterIndex - movedAbove(afterIndex);

  for (size_t k = 0; k < lines.size(); ++k) {
    auto [from, to] = std::equal_range(places.begin(), places.end(), Place{lines[k], nullptr}, byLine);
    for (auto it = from; it != to; ++it) {
      *it->number = afterNow + 1 + static_cast<int>(k);
      it->moved = true;
    }
  }
  const int count = static_cast<int>(lines.size());
  for (Place& p : places) {
    if (p.moved) continue;
    LineIndex stays = *p.number - movedAbove(*p.number);
    *p.number = stays > afterNow ? stays + count : stays;
  }
  // Corners and range ends keep their order after lines moved between them.
  if (mark.type && mark.firstLineNumber > mark.lastLineNumber) {
    std::swap(mark.firstLine, mark.lastLine);
    std::swap(mark.firstLineNumber, mark.lastLineNumber);
  }
  if (range.first && range.firstNumber > range.lastNumber) {
    std::swap(range.first, range.last);
    std::swap(range.firstNumber, range.lastNumber);
  }
  return afterNow + 1;
}

Line* Document::lineAt(LineIndex index) const {
  int number = index.value();
  if (number < 1 || number > lineCount) return nullptr;
  if (number <= lineCount / 2) {
    Line* line = first;
    for (int i = 1; i < number; ++i) line = line->next();
    return line;
  }
  Line* line = last;
  for (int i = lineCount; i > number; --i) line = line->prev();
  return line;
}

LineIndex Document::indexOf(const Line* line) const {
  if (!line) return LineIndex();
  if (line == current) return currentLineNumber;
  if (line == first) return kFirstLine;
  if (line == last) return lastIndex();
  if (known_) {
    // A walk through the text moves the known line along with it.
    if (line == known_) return knownIndex_;
    if (line == known_->next()) {
      known_ = line;
      return ++knownIndex_;
    }
    if (line == known_->prev()) {
      known_ = line;
      return --knownIndex_;
    }
  }
  // Outward from the current line and from the line last found, both ways
  // at once: work going down a text far from the cursor stays near the
  // latter.
  struct Walk {
    const Line* at;
    LineIndex index;
    bool down;
  };
  const Line* start = current ? current : first;
  LineIndex startIndex = current ? currentLineNumber : kFirstLine;
  Walk walks[4] = {{start, startIndex, false}, {start, startIndex, true}, {known_, knownIndex_, false},
                   {known_, knownIndex_, true}};
  for (bool going = true; going;) {
    going = false;
    for (Walk& w : walks) {
      if (!w.at) continue;
      if (w.at == line) {
        known_ = line;
        knownIndex_ = w.index;
        return knownIndex_;
      }
      w.at = w.down ? w.at->next() : w.at->prev();
      w.index += w.down ? 1 : -1;
      going = true;
    }
  }
  return LineIndex();
}

}  // namespace tarn
