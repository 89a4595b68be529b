// Pasting: printable runs go in whole, line ends split the line (or, for a
// block, go down a line), other characters are typed one by one, and the
// cursor goes back to where the paste began.
#include "edit/clipboard_paste.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/function_codes.h"
#include "core/options.h"
#include "edit/block_mark_replacement.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/line_breaks.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"

namespace tarn {

const CodePage& consolePage(const Editor& editor) {
  const CodePage* page = CodePage::find(editor.console.codePage());
  return page ? *page : CodePage::oem437();
}

namespace {

// Bytes that go in as part of a run: printable ones, except the backslash
// when it is to be typed.
bool inRun(char c, bool backslash) { return static_cast<unsigned char>(c) >= 32 && (backslash || c != '\\'); }

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Where the text goes on after the line end at i; CR LF is one line end.
size_t afterLineEnd(std::string_view text, size_t i) {
  return i + (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1);
}

// Where the run that starts at from ends; eight bytes are looked at a time
// while none of them is a control byte or a backslash that is typed.
size_t runEnd(std::string_view text, size_t from, bool backslash) {
  constexpr uint64_t kOnes = 0x0101010101010101u, kHigh = 0x8080808080808080u;
  size_t i = from;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    uint64_t backslashes = word ^ (kOnes * '\\');
    bool control = ((word - kOnes * 32) & ~word & kHigh) != 0;
    bool typed = !backslash && ((backslashes - kOnes) & ~backslashes & kHigh) != 0;
    if (control || typed) break;
  }
  while (i < text.size() && inRun(text[i], backslash)) ++i;
  return i;
}

// What typing does on its own and a paste must not: indenting after a line
// end, wrapping, and (unless the paste types over) replace mode.
class PasteOptions {
 public:
  PasteOptions(Document& doc, bool typeOver) : doc_(doc), saved_(doc.options) {
    doc.options[opt::kAutoIndent] = 0;
    doc.options[opt::kWordWrap] = 0;
    if (!typeOver) doc.options[opt::kInsertMode] = 1;
  }
  ~PasteOptions() {
    for (int index : {opt::kAutoIndent, opt::kWordWrap, opt::kInsertMode}) doc_.options[index] = saved_[index];
  }
  PasteOptions(const PasteOptions&) = delete;
  PasteOptions& operator=(const PasteOptions&) = delete;

 private:
  Document& doc_;
  OptionRow saved_;
};

class Paste {
 public:
  Paste(EngineCall& call, bool typeOver, bool block)
      : call_(call), doc_(call.doc), rule_(columnRule(call)), typeOver_(typeOver), block_(block),
        startColumn_(call.doc.cursorColumn), backslashInLines_(!typeOver && !typingRemovesBlockMark(call.doc)) {}

  void run(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
      if (inRun(text[i], false)) {
        size_t end = runEnd(text, i, false);
        insertRun(text.substr(i, end - i));
        i = end;
      } else if (isLineEnd(text[i])) {
        size_t end = block_ ? i : linesOfRuns(text, i);
        if (end != i && lineEndsWith(runs_)) {
          i = end;
        } else {
          i = afterLineEnd(text, i);
          lineEnd();
        }
      } else {
        EngineCall typed{call_.engine, call_.editor, doc_, fn::kTypeChar, static_cast<unsigned char>(text[i]), 0, 1};
        handler::typeCharacter(typed);
        ++i;
      }
    }
  }

 private:
  // The run goes in at the cursor; where it would reach the longest allowed
  // line, the rest goes on after a line end, as a file's long line does.
  void insertRun(std::string_view run) {
    while (!run.empty()) {
      int room = longestLine(doc_) - 1 - doc_.cursorColumn;
      if (room <= 0) {
        if (!lineEnd()) return;
        continue;
      }
      Line& line = *doc_.current;
      TextPosition at = positionAt(line.view(), doc_.cursorColumn, rule_);
      if (at.beyond > 0) {
        padLine(doc_, line, line.length + at.beyond);
        at.index = line.length;
      }
      std::string_view piece = run.substr(0, static_cast<size_t>(room));
      size_t over = typeOver_ ? std::min<size_t>(piece.size(), line.length - at.index) : 0;
      if (over) doc_.replaceCharacters(line, static_cast<uint32_t>(at.index), piece.substr(0, over));
      doc_.insertCharacters(line, static_cast<uint32_t>(at.index + over), piece.substr(over));
      doc_.cursorColumn = columnOf(line.view(), at.index + piece.size(), rule_);
      run.remove_prefix(piece.size());
    }
  }

  // Enter without indenting (a stream) or a step down (a block). The window
  // stays: the cursor goes back to the start at the end. False when no line
  // can follow (a command line): the text then goes on in the same line.
  bool lineEnd() {
    if (!mayAddLines(call_)) return false;
    Line* next = block_ ? doc_.current->next() : splitAtCursor(call_);
    if (!next || doc_.isSentinel(next)) {
      doc_.insertAfterCurrent(makeLine(0));
      next = doc_.current->next();
    }
    moveCursorTo(doc_, next, doc_.currentLineNumber + 1);
    doc_.cursorColumn = block_ ? startColumn_ : 0;
    return true;
  }

  // The line ends from i on that are each followed by a run shorter than
  // the longest line, those runs kept in runs_; returns where they end.
  // Such a run may hold backslashes when typing them would only insert them.
  // A few thousand lines at a time: their text is still at hand in the
  // cache when the document looks at it.
  size_t linesOfRuns(std::string_view text, size_t i) {
    constexpr size_t kLinesAtOnce = 2048;
    runs_.clear();
    const auto longest = static_cast<size_t>(longestLine(doc_));
    while (i < text.size() && isLineEnd(text[i]) && runs_.size() < kLinesAtOnce) {
      size_t start = afterLineEnd(text, i);
      size_t end = runEnd(text, start, backslashInLines_);
      if (end - start >= longest) break;
      runs_.push_back(text.substr(start, end - start));
      i = end;
    }
    return i;
  }

  // A stream's line ends, each with the run that follows it: the new lines
  // are made with their text and go in at once, as Enter and each run's
  // insertion would leave them; the rest of the cursor line goes after the
  // last run.
  bool lineEndsWith(const std::vector<std::string_view>& runs) {
    if (!mayAddLines(call_)) return false;
    Line& line = *doc_.current;
    std::string_view text = line.view();
    size_t at = std::min(positionAt(text, doc_.cursorColumn, rule_).index, text.size());
    std::vector<Line*> lines;
    lines.reserve(runs.size());
    for (size_t k = 0; k + 1 < runs.size(); ++k) lines.push_back(makeLine(runs[k]));
    if (at == text.size()) {
      lines.push_back(makeLine(runs.back()));
    } else {
      std::string joined(runs.back());
      joined += text.substr(at);
      lines.push_back(makeLine(joined));
      doc_.deleteCharacters(line, static_cast<uint32_t>(at), static_cast<uint32_t>(text.size() - at));
    }
    doc_.insertAfter(&line, lines);
    moveCursorTo(doc_, lines.back(), doc_.currentLineNumber + static_cast<int>(lines.size()));
    doc_.cursorColumn = static_cast<int>(runs.back().size());
    return true;
  }

  EngineCall& call_;
  Document& doc_;
  ColumnRule rule_;
  bool typeOver_;
  bool block_;
  int startColumn_;
  bool backslashInLines_;
  std::vector<std::string_view> runs_;
};

}  // namespace

namespace handler {

int pasteText(EngineCall& call) {
  const auto* text = reinterpret_cast<const std::string_view*>(call.arg2);
  Document& doc = call.doc;
  if (!text || text->empty()) return 0;
  if (!mayEditCurrent(doc)) return refuseChange(call);
  bool typeOver = (call.arg1 & pasteflag::kTypeOver) && !doc.option(opt::kInsertMode);
  Line* startLine = doc.current;
  LineIndex startNumber = doc.currentLineNumber;
  int startColumn = doc.cursorColumn;
  {
    PasteOptions options(doc, typeOver);
    Paste(call, typeOver, call.arg1 & pasteflag::kBlock).run(*text);
  }
  moveCursorTo(doc, startLine, startNumber);
  doc.cursorColumn = startColumn;
  doc.flags |= docflag::kRepaintAll;
  return 1;
}

int copyFromClipboard(EngineCall& call) {
  Document& doc = call.doc;
  if (!mayEditCurrent(doc)) return refuseChange(call);
  if (!call.editor) return 0;
  const CodePage& page = consolePage(*call.editor);
  int pasted = 0;
  // The clipboard's text is pasted where it stands: it may be the size of
  // a whole file. Only text beyond ASCII needs a converted copy.
  call.editor->clipboard.lend(ClipFormat::Text, [&](std::string_view utf8) {
    std::string converted;
    std::string_view text = utf8;
    if (!CodePage::isAscii(utf8)) text = converted = page.fromUtf8(std::string(utf8));
    if (text.empty()) {
      call.editor->screen.message("The clipboard holds no text");
      return;
    }
    removeBlockMarkFirst(call);
    EngineCall paste{call.engine, call.editor, doc, fn::kPasteText, call.arg1, reinterpret_cast<intptr_t>(&text), 1};
    pasted = pasteText(paste);
  });
  return pasted;
}

}  // namespace handler

}  // namespace tarn
