// The typed locate command: the search in one window or all of them, the
// repeated search of the all, count and found-line options, the found list,
// the ".Found" file and the deletion of found lines.
#include <string>
#include <vector>

#include "command/command_language.h"
#include "command/command_registry.h"
#include "command/list_window.h"
#include "command/search_expression.h"
#include "command/search_steps.h"
#include "core/editor.h"
#include "core/search_request.h"
#include "core/slot_ops.h"
#include "core/update_batch.h"

namespace tarn::command {

namespace {

constexpr std::string_view kFoundFile = ".Found";
constexpr size_t kLongestListedText = 1024;

// One line reported in the found list: its window and line.
struct ListedLine {
  int slot;
  int line;  // the user's line number
};

class Locate {
 public:
  Locate(Editor& editor, const SearchExpression& expression)
      : editor_(editor),
        text_(expression.text),
        switches_(resolveSwitches(editor_.settings.locateSwitch, expression.letters, false)) {}

  Outcome run() {
    if (text_.empty()) {
      editor_.screen.setFoundHighlight(false);
      return Outcome::done();
    }
    const SavedCursor start = saveCursor(editor_);
    {
      // The screen is brought up to date once, after the repeated searches.
      UpdateBatch batch(editor_);
      int foundIn = start.slot;
      for (int slot : windowsToSearch(editor_, switches_.allWindows)) {
        editor_.slots.setCurrent(slot);
        int before = found_;
        bool ended = searchWindow(slot);
        if (found_ > before) foundIn = slot;
        if (ended) break;
      }
      // The window of the last find stays current, else the one the search began in.
      if (editor_.slots.inUse(foundIn)) editor_.slots.setCurrent(foundIn);
    }
    if (switches_.foundFile && !collected_.empty()) openFoundFile();
    if (switches_.list && !listed_.empty()) showFoundList(start);
    return finish();
  }

 private:
  bool collecting() const { return switches_.foundFile || switches_.list || switches_.removeLines; }
  bool repeating() const { return collecting() || switches_.allOccurrences || switches_.count; }

  // Searches one window; true when the search ends there.
  bool searchWindow(int slot) {
    Document& doc = *editor_.slots.data(slot).document;
    std::optional<SavedCursor> saved;
    bool include = false;
    if (switches_.fromTop) {
      saved = saveCursor(editor_);
      moveToFileEnd(doc, switches_.backward);
    }
    const int code = switches_.backward ? fn::kLocateBackward : fn::kLocateForward;
    int foundHere = 0;
    int lastLine = 0;
    for (;;) {
      SearchRequest request;
      request.options = switches_.engineBits() | (include ? searchbit::kIncludeCursor : 0);
      request.text = text_;
      include = false;
      if (!editor_.engine.send(&doc, code, 0, reinterpret_cast<intptr_t>(&request))) break;
      ++found_;
      ++foundHere;
      if (!collecting()) {
        if (!repeating()) return true;
        continue;
      }
      int line = toUser(doc.currentLineNumber).value();
      if (!switches_.removeLines && line == lastLine) continue;
      lastLine = line;
      std::string_view text = doc.current->view();
      if (switches_.list) {
        std::string window = switches_.allWindows ? " (" + std::to_string(slot + 1) + ")" : "";
        listedText_.push_back(std::to_string(line) + window + ": " +
                              std::string(text.substr(0, kLongestListedText)));
        listed_.push_back({slot, line});
      }
      if (switches_.foundFile) {
        collected_.emplace_back(switches_.select ? text.substr(request.matchStart, request.matchEnd - request.matchStart)
                                                 : text);
      }
      if (switches_.removeLines) {
        LineIndex deleted = doc.currentLineNumber;
        if (!editor_.engine.send(&doc, fn::kDeleteLine)) break;  // a read-only file
        doc.cursorColumn = 0;
        // Going forward, the line that took the deleted one's place is
        // searched from its start; when the last line went, the cursor
        // stepped back to a line searched before, and the walk is over.
        // Going backward, the walk goes on at the end of the line above.
        bool steppedBack = doc.currentLineNumber < deleted;
        if (!switches_.backward && steppedBack) break;
        if (switches_.backward && steppedBack) moveToFileEnd(doc, true);
        include = !switches_.backward;
      }
    }
    if (saved && foundHere == 0) restoreCursor(editor_, *saved);
    return false;
  }

  void openFoundFile() {
    SlotOpening opening;
    opening.name = kFoundFile;
    int slot = openSlot(editor_, opening);
    if (slot < 0) return;
    Document& doc = *editor_.slots.data(slot).document;
    editor_.engine.send(&doc, fn::kReplaceText, 0, reinterpret_cast<intptr_t>(&collected_));
    editor_.engine.send(&doc, msg::kRepaintWindow);
  }

  // The entry chosen: its window, column 0 of its line, and the locate
  // from there; cancelled, the cursor goes back to where it was.
  void showFoundList(const SavedCursor& start) {
    std::optional<size_t> chosen = chooseFromList(editor_, "Found list", "Go to", listedText_);
    if (!chosen) {
      restoreCursor(editor_, start);
      return;
    }
    const ListedLine& entry = listed_[*chosen];
    if (!editor_.slots.inUse(entry.slot)) return;
    editor_.slots.setCurrent(entry.slot);
    Document& doc = *editor_.slots.data(entry.slot).document;
    editor_.engine.send(&doc, fn::kGotoLine, 1, entry.line);
    doc.cursorColumn = 0;
    SearchRequest request;
    request.options = switches_.engineBits() | searchbit::kIncludeCursor;
    request.text = text_;
    editor_.engine.send(&doc, fn::kLocateForward, 0, reinterpret_cast<intptr_t>(&request));
  }

  Outcome finish() {
    Screen& screen = editor_.screen;
    std::string count = "Number of found strings: " + std::to_string(found_);
    if (found_ == 0) {
      screen.message(switches_.count ? count : "Not found");
      return notFound(switches_);
    }
    screen.setFoundHighlight(switches_.highlight);
    if (Document* doc = editor_.currentDocument()) placeFoundLine(editor_, *doc, switches_);
    if (switches_.count || switches_.list) screen.message(count);
    return afterFinding(switches_);
  }

  Editor& editor_;
  std::string text_;
  SearchSwitches switches_;
  int found_ = 0;
  std::vector<std::string> collected_;
  std::vector<std::string> listedText_;
  std::vector<ListedLine> listed_;
};

}  // namespace

void registerLocateCommand(CommandLanguage& language) {
  language.setHandler(fn::kLocate, [&language](const Invocation& invocation) {
    return Locate(language.editor(), parseExpression(invocation.rest, false)).run();
  });
}

}  // namespace tarn::command
