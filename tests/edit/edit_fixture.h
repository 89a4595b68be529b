// An editor on a memory console with the editing functions installed, and
// one document filled with the lines a test gives.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/editor.h"
#include "core/function_codes.h"
#include "edit/registry.h"
#include "edit/undo_ring.h"
#include "platform/event_loop.h"
#include "platform/memory_console.h"

namespace tarn {

// A cursor place: line in user numbering (0 is the top-of-file line),
// display column from 0.
struct Pos {
  int line = 1;
  int column = 0;
  bool operator==(const Pos&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Pos& p) {
  return out << "line " << p.line << " column " << p.column;
}

class EditFixture {
 public:
  explicit EditFixture(const std::vector<std::string>& lines, int rows = 10, int columns = 80)
      : editor(console, loop) {
    editor.engine.setRegistry(editRegistry());
    editor.engine.setUndoFactory([] { return std::make_unique<UndoRing>(); });
    CreateRequest request{nullptr, nullptr};
    editor.engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
    doc = request.result;
    doc->freeLines();
    for (const std::string& line : lines) doc->appendLine(makeLine(line));
    doc->addSentinels();
    editor.engine.send(doc, msg::kSetWindowSize, columns, rows);
  }

  int send(int code, intptr_t arg1 = 0, intptr_t arg2 = 0, int repeat = 1) {
    editor.engine.setRepeatCount(repeat);
    return editor.engine.send(doc, code, arg1, arg2);
  }

  void type(std::string_view text) {
    for (char c : text) send(fn::kTypeChar, static_cast<unsigned char>(c));
  }

  void setOption(int index, int value) { doc->options[index] = value; }

  void place(Pos p) {
    doc->current = doc->lineAt(toIndex(UserLine(p.line)));
    doc->currentLineNumber = toIndex(UserLine(p.line));
    doc->cursorColumn = p.column;
  }

  Pos cursor() const { return {toUser(doc->currentLineNumber).value(), doc->cursorColumn}; }
  int windowTop() const { return toUser(doc->view.topLineNumber).value(); }

  std::vector<std::string> text() const {
    std::vector<std::string> lines;
    for (Line* l = doc->first->next(); l && l != doc->last; l = l->next()) lines.emplace_back(l->view());
    return lines;
  }

  MemoryConsole console;
  EventLoop loop;
  Editor editor;
  Document* doc = nullptr;
};

// One call of an editing function and what it must leave behind.
struct EditCase {
  std::string name;
  std::vector<std::string> before;
  Pos start;
  int code;
  intptr_t arg1 = 0;
  intptr_t arg2 = 0;
  int result = 1;
  std::vector<std::string> after;  // empty: the text is unchanged
  Pos end;
  std::vector<std::pair<int, int>> options = {};  // per-file option index and value
  int repeat = 1;
};

inline void PrintTo(const EditCase& c, std::ostream* out) { *out << c.name; }

inline std::string caseName(const testing::TestParamInfo<EditCase>& info) { return info.param.name; }

// What undo and redo give back: the text, the cursor and the line
// buffer's contents.
struct UndoState {
  std::vector<std::string> text;
  Pos cursor;
  int bufferKind = 0;
  std::vector<std::string> buffer;
};

// The text as saving writes it: lines whose tabs a block mark expanded
// give their text with the tabs.
inline std::vector<std::string> savedText(const EditFixture& f) {
  std::vector<std::string> lines;
  for (const Line* l = f.doc->firstText(); l != f.doc->last; l = l->next())
    lines.push_back(l->flags & lineflag::kTabsExpanded ? f.editor.engine.marks().unexpandedText(*f.doc, *l)
                                                        : std::string(l->view()));
  return lines;
}

inline UndoState undoState(const EditFixture& f) {
  BufferContents held = f.editor.engine.marks().buffer().contents();
  return {f.text(), f.cursor(), held.kind, held.lines};
}

inline void expectState(const EditFixture& f, const UndoState& s, const char* when) {
  UndoState now = undoState(f);
  EXPECT_EQ(now.text, s.text) << when;
  EXPECT_EQ(now.cursor, s.cursor) << when;
  EXPECT_EQ(now.bufferKind, s.bufferKind) << when << ": the line buffer";
  EXPECT_EQ(now.buffer, s.buffer) << when << ": the line buffer";
}

// After a call that began at `before` in an unchanged file: undo takes it
// back whole and redo makes it again, byte for byte, with the cursor and
// the line buffer.
inline void expectUndoAndRedo(EditFixture& f, const UndoState& before) {
  const UndoState after = undoState(f);
  const bool changed = f.doc->changeCount() != 0;
  bool acted = after.text != before.text || after.cursor != before.cursor;
  EXPECT_EQ(f.send(fn::kUndo), acted ? 1 : 0) << "undo";
  expectState(f, acted ? before : after, "undone");
  EXPECT_EQ(f.doc->changeCount(), 0) << "undone to the text it started with";
  if (!acted) return;
  EXPECT_EQ(f.send(fn::kRedo), 1) << "redo";
  expectState(f, after, "redone");
  EXPECT_EQ(f.doc->changeCount() != 0, changed) << "redone";
}

// One call of an engine function, and what it must leave: its result, the
// text (`after` empty: the text is `before` still) and the cursor; the
// change count follows the text.
struct SentCall {
  int code;
  intptr_t arg1 = 0;
  intptr_t arg2 = 0;
  int repeat = 1;
};
struct CallOutcome {
  int result;
  const std::vector<std::string>& before;
  const std::vector<std::string>& after;
  Pos end;
};

// Sends the call and checks what it leaves, then that undo and redo take it
// back and forth; check runs after the call's own checks.
inline void expectCall(EditFixture& f, const SentCall& call, const CallOutcome& expected,
                       const std::function<void(EditFixture&)>& check = {}) {
  const UndoState before = undoState(f);
  EXPECT_EQ(f.send(call.code, call.arg1, call.arg2, call.repeat), expected.result);
  EXPECT_EQ(f.text(), expected.after.empty() ? expected.before : expected.after);
  EXPECT_EQ(f.cursor(), expected.end);
  EXPECT_EQ(f.doc->changeCount() != 0, !expected.after.empty()) << "change count " << f.doc->changeCount();
  if (check) check(f);
  expectUndoAndRedo(f, before);
}

inline void runCase(const EditCase& c) {
  EditFixture f(c.before);
  for (auto [index, value] : c.options) f.setOption(index, value);
  f.place(c.start);
  expectCall(f, {c.code, c.arg1, c.arg2, c.repeat}, {c.result, c.before, c.after, c.end});
}

}  // namespace tarn
