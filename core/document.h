// A document: one file's text (lines between a top-of-file and a
// bottom-of-file sentinel line) or one command line (a single line).
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/change_observer.h"
#include "core/line.h"
#include "core/line_number.h"
#include "core/options.h"
#include "core/undo_log.h"

namespace tarn {

namespace docflag {
constexpr uint32_t kCapturing = 0x8;
constexpr uint32_t kRepaintAll = 0x40;
constexpr uint32_t kPainting = 0x80;
constexpr uint32_t kUpdatesSuspended = 0x400;
constexpr uint32_t kCommandLine = 0x800;
constexpr uint32_t kPlayingBack = 0x1000;
constexpr uint32_t kCapturePaused = 0x2000;
constexpr uint32_t kReadOnly = 0x20000;
constexpr uint32_t kSyntaxColouring = 0x40000;
}  // namespace docflag

struct View {
  int leftColumn = 0;
  Line* topLine = nullptr;
  Line* bottomLine = nullptr;
  LineIndex topLineNumber = kFirstLine;
};

// A place in the text that stays on its line as lines come and go.
struct LinePlace {
  Line* line = nullptr;
  int column = 0;
  LineIndex lineNumber;
  bool isSet() const { return line != nullptr; }
};

using Bookmark = LinePlace;

// A character or block mark (core/marks.h tells the whole story).
struct Mark {
  int type = 0;  // 0 none
  int flags = 0;
  Line* firstLine = nullptr;
  int firstColumn = 0;
  LineIndex firstLineNumber;
  Line* lastLine = nullptr;
  int lastColumn = 0;
  LineIndex lastLineNumber;
};

struct OperationRange {
  LineIndex firstNumber;
  LineIndex lastNumber;
  Line* first = nullptr;
  Line* last = nullptr;
  int count = 0;
};

struct WindowRecord;

inline constexpr std::string_view kUntitled = "Untitled";

// The one writer of a document's text: every change of a line's bytes and
// of the line list goes through the primitives below, which raise the
// change count, keep the cursor, the window, the mark and the bookmarks on
// their lines, and tell the change observers.
struct Document {
  Document(int id, uint32_t flags, const OptionRow& defaults);
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  Line* first = nullptr;    // top-of-file line (a command line's only line)
  Line* last = nullptr;     // bottom-of-file line
  Line* current = nullptr;
  std::string name{kUntitled};
  View view;
  LineIndex currentLineNumber = kFirstLine;
  int lineCount = 0;          // sentinels included
  int id;
  uint32_t flags;
  OperationRange range;
  Mark mark;
  // Where marking began: the first corner of a character or block mark, the
  // first line of a line mark (core/marks.h).
  LinePlace anchor;
  std::array<Bookmark, 26> bookmarks{};
  int cursorRow = 0;
  int cursorColumn = 0;
  uint32_t longestLine = 0;
  OptionRow options;
  WindowRecord* owner = nullptr;
  int windowRows = 1;
  int windowColumns = 80;

  // While one lives, the document's changes are a block mark's tabs
  // expanding or going back (or undo replaying that): they do not count as
  // changes of the file, and are told with besideText set.
  class BesideText {
   public:
    explicit BesideText(Document& doc) : doc_(doc), pending_(doc.changedText_), outer_(doc.besideText_) {
      doc.besideText_ = true;
    }
    ~BesideText() {
      doc_.changedText_ = pending_;
      doc_.besideText_ = outer_;
    }
    BesideText(const BesideText&) = delete;
    BesideText& operator=(const BesideText&) = delete;

   private:
    Document& doc_;
    bool pending_;
    bool outer_;
  };

  bool isCommandLine() const { return flags & docflag::kCommandLine; }
  bool isReadOnly() const { return flags & docflag::kReadOnly; }
  bool isModified() const { return changeCount_ != 0; }
  bool isSentinel(const Line* line) const {
    return !isCommandLine() && (line == first || line == last);
  }
  int textLineCount() const { return isCommandLine() ? 1 : lineCount - 2; }
  // The first and last lines that hold text (not the sentinels).
  Line* firstText() const { return isCommandLine() ? first : first->next(); }
  Line* lastText() const { return isCommandLine() ? first : last->prev(); }
  int option(int index) const { return options[index]; }

  // 0 when not modified; raised by one for each editing function that
  // changed the text. Saving, renaming and the engine's set-change-count
  // message set it.
  int changeCount() const { return changeCount_; }
  void setChangeCount(int n) {
    changeCount_ = n;
    changedText_ = false;
    if (n == 0) ++saves_;
  }
  // How often the change count was set to 0 (the text saved): the undo
  // log tells by it whether a save came in the middle of a step.
  int saveCount() const { return saves_; }
  // Whether the text changed since the changes were last counted.
  bool hasUncountedChanges() const { return changedText_; }
  // Counts the changes made since it was last called as one: the engine
  // calls it after every function.
  void settleChanges() {
    if (changedText_) ++changeCount_;
    changedText_ = false;
  }

  void addObserver(ChangeObserver& observer);
  void removeObserver(ChangeObserver& observer);
  // The undo log is owned by the document and observes it.
  void setUndoLog(std::unique_ptr<UndoLog> log);
  UndoLog* undoLog() const { return undo_.get(); }

  // Building a whole text (reading a file, refilling a pseudo-file):
  // freeLines, appendLine for each line, then addSentinels. The observers
  // are told once the text is complete.
  void freeLines();
  void appendLine(Line* line);
  // Gives the document its sentinels around the lines appended (or one
  // empty line when there are none), with the cursor on the top-of-file line.
  void addSentinels();
  // A command line: one empty line, first, last and current at once.
  void makeSingleLine();

  // Links a new line next to the current line.
  void insertAfterCurrent(Line* line);
  void insertBeforeCurrent(Line* line);
  // Links a new line right after a line of the document.
  void insertAfter(Line* where, Line* line);
  // Links new lines in after a line of the document, in their order: what
  // as many insertAfter calls leave, with what stands below moved once.
  // The observers hear of each line, in order, once all are in.
  void insertAfter(Line* where, std::span<Line* const> lines);
  void insertCharacters(Line& line, uint32_t column, std::string_view text);
  void deleteCharacters(Line& line, uint32_t column, uint32_t n);
  // Types text over the bytes from column on; the line must hold them.
  void replaceCharacters(Line& line, uint32_t column, std::string_view text);
  // Gives a line new text: the bytes between the part both texts begin
  // with and the part both end with are deleted and inserted.
  void setText(Line& line, std::string_view text);
  // A block mark expanding a line's tabs, and giving them back: the text
  // changes without counting as a change of the file, and meanwhile the
  // line keeps what it stands for (flag kTabsExpanded).
  void expandTabs(Line& line, std::string_view expanded);
  void restoreTabs(Line& line, std::string_view text);
  // What a line with expanded tabs stands for; null for any other line.
  const TabExpansion* tabExpansion(const Line& line) const;
  bool hasTabExpansions() const { return !tabExpansions_.empty(); }
  // Gives a line what it stands for (none: its own text), its text left as
  // it is: undo, putting back a line as it was.
  void setTabExpansion(Line& line, std::optional<TabExpansion> expansion);
  // Unlinks and frees a line. A bookmark on it is cleared; the cursor, the
  // window top, a mark corner and the ends of the line range move to the
  // line that follows (the one before at the end); the anchor likewise,
  // keeping to text lines.
  void deleteLine(Line* line);
  // Unlinks the given text lines and links them back in the given order
  // right after `after` (a line not among them): moving the lines of a mark,
  // sorting. The lines keep their identity, and all that stands on them stays.
  void relinkLines(Line* after, const std::vector<Line*>& lines);
  // The same for a caller that knows the indices: `after` is at afterIndex
  // and lines[k] at previous[k]. Nothing is walked to find them.
  void relinkLines(Line* after, LineIndex afterIndex, const std::vector<Line*>& lines,
                   const std::vector<LineIndex>& previous);

  // Stores a line's length and raises the longest-line value: for a line
  // being built, before it is linked in.
  void setLength(Line& line, uint32_t n);

  // The line at an index, counting from whichever end is nearer.
  Line* lineAt(LineIndex index) const;
  // The index of a line of this document, 0 when it is none; found from
  // the current line or the line last asked for, so that walking through
  // the text costs little.
  LineIndex indexOf(const Line* line) const;
  // The index of the last line.
  LineIndex lastIndex() const { return LineIndex(lineCount); }

 private:
  void linesLinked(std::span<Line* const> lines, LineIndex index);
  void moveOffLine(Line* line, LineIndex index);
  LineIndex renumberAfterRelink(LineIndex afterIndex, const std::vector<Line*>& lines,
                                const std::vector<LineIndex>& previous);
  std::vector<LineIndex> indicesOf(const std::vector<Line*>& lines) const;
  void textReplaced();
  void changed() { changedText_ = true; }

  int changeCount_ = 0;
  bool changedText_ = false;
  bool besideText_ = false;  // changes of text made by expandTabs and restoreTabs
  int saves_ = 0;
  std::vector<ChangeObserver*> observers_;
  std::unique_ptr<UndoLog> undo_;
  std::unordered_map<const Line*, TabExpansion> tabExpansions_;
  // The line last found by indexOf, and its index.
  mutable const Line* known_ = nullptr;
  mutable LineIndex knownIndex_;
};

// Display text of the sentinel lines.
std::string_view topOfFileText();
std::string_view bottomOfFileText();

}  // namespace tarn
