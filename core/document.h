// A document: one file's text (lines between a top-of-file and a
// bottom-of-file sentinel line) or one command line (a single line).
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/line.h"
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
  int topLineNumber = 1;
};

struct Bookmark {
  Line* line = nullptr;
  int column = 0;
  int lineNumber = 0;
  bool isSet() const { return line != nullptr; }
};

struct Mark {
  int type = 0;  // 0 none
  int flags = 0;
  Line* firstLine = nullptr;
  int firstColumn = 0;
  int firstLineNumber = 0;
  Line* lastLine = nullptr;
  int lastColumn = 0;
  int lastLineNumber = 0;
};

struct OperationRange {
  int firstNumber = 0;
  int lastNumber = 0;
  Line* first = nullptr;
  Line* last = nullptr;
  int count = 0;
};

struct WindowRecord;

inline constexpr std::string_view kUntitled = "Untitled";

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
  int currentLineNumber = 1;  // 1 is the top-of-file line
  int lineCount = 0;          // sentinels included
  int id;
  int changeCount = 0;
  uint32_t flags;
  OperationRange range;
  Mark mark;
  std::array<Bookmark, 26> bookmarks{};
  int cursorRow = 0;
  int cursorColumn = 0;
  uint32_t longestLine = 0;
  OptionRow options;
  WindowRecord* owner = nullptr;
  std::unique_ptr<UndoLog> undo;
  int windowRows = 1;
  int windowColumns = 80;

  bool isCommandLine() const { return flags & docflag::kCommandLine; }
  bool isReadOnly() const { return flags & docflag::kReadOnly; }
  bool isModified() const { return changeCount != 0; }
  bool isSentinel(const Line* line) const {
    return !isCommandLine() && (line == first || line == last);
  }
  int textLineCount() const { return isCommandLine() ? 1 : lineCount - 2; }
  // The first and last lines that hold text (not the sentinels).
  Line* firstText() const { return isCommandLine() ? first : first->next(); }
  Line* lastText() const { return isCommandLine() ? first : last->prev(); }
  int option(int index) const { return options[index]; }

  // Gives the document its sentinels around the lines already linked
  // between first and last (or one empty line when there are none).
  void addSentinels();
  // A command line: one empty line, first, last and current at once.
  void makeSingleLine();
  // Appends a line at the end of a document under construction (no sentinels yet).
  void appendLine(Line* line);

  // Line primitives.
  void insertAfterCurrent(Line* line);
  void insertBeforeCurrent(Line* line);
  void setLength(Line& line, uint32_t n);
  void deleteCharacters(Line& line, uint32_t column, uint32_t n);
  void insertCharacters(Line& line, uint32_t column, std::string_view text);
  // Unlinks and frees a line; bookmarks on it are cleared. The current line
  // moves to the next line (or the previous one at the end); callers that
  // delete above the current line or the window top keep those numbers.
  void deleteLine(Line* line);
  // Frees every line.
  void freeLines();
  // Line at 1-based internal number (1 is the top-of-file line), counting
  // from whichever end is nearer.
  Line* lineAt(int number) const;
  int numberOf(const Line* line) const;
};

// Display text of the sentinel lines.
std::string_view topOfFileText();
std::string_view bottomOfFileText();

}  // namespace tarn
