// An editor on a memory console with files built line by line, and a small
// registry of editing functions that records what reaches the documents.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "core/editor.h"
#include "core/function_codes.h"
#include "core/slot_ops.h"
#include "platform/event_loop.h"
#include "platform/memory_console.h"
#include "platform/vk.h"

namespace tarn::test {

// Key definitions held in a map, for the readers that look keys up.
class MapDispatcher : public Dispatcher {
 public:
  int step() override { return 0; }
  int runString(std::string_view, bool) override { return 0; }
  const int* definition(int keyClass, int keyCode) const override {
    auto it = definitions.find({keyClass, keyCode});
    return it == definitions.end() ? nullptr : it->second.data();
  }
  std::map<std::pair<int, int>, std::vector<int>> definitions;
};

struct SentMessage {
  const Document* doc;
  int code;
  intptr_t arg1;
  intptr_t arg2;
  bool operator==(const SentMessage&) const = default;
};

inline std::vector<SentMessage>& sentMessages() {
  static std::vector<SentMessage> sent;
  return sent;
}

inline int recordMessage(EngineCall& call) {
  sentMessages().push_back({&call.doc, call.code, call.arg1, call.arg2});
  return 1;
}

// Types argument 1 at the cursor, inserting or overwriting by the typing mode.
inline int typeCharacter(EngineCall& call) {
  recordMessage(call);
  Document& doc = call.doc;
  Line& line = *doc.current;
  auto column = static_cast<uint32_t>(doc.cursorColumn);
  char ch = static_cast<char>(call.arg1);
  if (column < line.length && !doc.option(opt::kInsertMode))
    line.text[column] = ch;
  else
    doc.insertCharacters(line, std::min(column, line.length), std::string_view(&ch, 1));
  ++doc.cursorColumn;
  return 1;
}

inline int rubout(EngineCall& call) {
  recordMessage(call);
  Document& doc = call.doc;
  if (doc.cursorColumn == 0) return 0;
  --doc.cursorColumn;
  doc.deleteCharacters(*doc.current, static_cast<uint32_t>(doc.cursorColumn), 1);
  return 1;
}

inline int left(EngineCall& call) {
  recordMessage(call);
  if (call.doc.cursorColumn == 0) return 0;
  --call.doc.cursorColumn;
  return 1;
}

inline constexpr EditFunction kTestRegistry[] = {
    {msg::kKeyDown, editclass::kMovement, recordMessage},
    {msg::kChar, editclass::kChange, typeCharacter},
    {msg::kSysChar, editclass::kChange, recordMessage},
    {msg::kMouseMove, editclass::kMovement, recordMessage},
    {msg::kLeftDown, editclass::kMovement, recordMessage},
    {msg::kLeftUp, editclass::kMovement, recordMessage},
    {msg::kLeftDoubleClick, editclass::kMovement, recordMessage},
    {msg::kRightDown, editclass::kMovement, recordMessage},
    {msg::kMiddleDown, editclass::kMovement, recordMessage},
    {fn::kRubout, editclass::kChange, rubout},
    {fn::kLeft, editclass::kMovement, left},
    {fn::kPageDown, editclass::kMovement, recordMessage},
    {fn::kPageUp, editclass::kMovement, recordMessage},
    {fn::kGotoLine, editclass::kMovement, recordMessage},
    {fn::kTypeChar, editclass::kChange, typeCharacter},
    {fn::kScrollVertical, editclass::kMovement, recordMessage},
};

inline InputRecord keyDown(uint16_t vk, uint8_t ch = 0, uint32_t state = 0) {
  return InputRecord::keyEvent(vk, ch, state, true);
}
inline InputRecord keyUp(uint16_t vk, uint32_t state = 0) { return InputRecord::keyEvent(vk, 0, state, false); }

class ScreenTest : public ::testing::Test {
 protected:
  explicit ScreenTest(ConsoleSize size = {80, 25}) : console(size), editor(console, loop) {
    sentMessages().clear();
    editor.engine.setRegistry(kTestRegistry);
  }

  void SetUp() override { editor.screen.setUp(); }

  // Opens a file of the given lines; the cursor on the first text line.
  int open(const std::string& name, std::initializer_list<std::string_view> lines) {
    SlotOpening opening;
    opening.name = name;
    int slot = openSlot(editor, opening);
    EXPECT_GE(slot, 0);
    Document& doc = *editor.slots.data(slot).document;
    doc.freeLines();
    for (std::string_view text : lines) doc.appendLine(makeLine(text));
    doc.addSentinels();
    doc.current = doc.first->next();
    doc.currentLineNumber = LineIndex(2);
    editor.slots.setCursorInFile(slot, true);
    editor.screen.layout();
    editor.screen.redraw(true);
    return slot;
  }

  Document& data(int slot) { return *editor.slots.data(slot).document; }
  Document& command(int slot) { return *editor.slots.command(slot).document; }

  // Moves the cursor to a text line (1 = first) and column.
  void moveTo(int slot, int line, int column) {
    Document& doc = data(slot);
    doc.current = doc.lineAt(toIndex(UserLine(line)));
    doc.currentLineNumber = toIndex(UserLine(line));
    doc.cursorColumn = column;
  }

  std::string row(int r) { return console.row(r); }
  // The row without trailing blanks.
  std::string trimmed(int r) {
    std::string s = console.row(r);
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
  }

  MemoryConsole console;
  EventLoop loop;
  Editor editor;
};

}  // namespace tarn::test
