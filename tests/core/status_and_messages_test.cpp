// The status line, the title, messages, boxes and the screen size.
#include "core/status_line.h"
#include "tests/core/screen_fixture.h"

namespace tarn::test {
namespace {

TEST(StatusLineText, NamePartCutsLongNamesAndAddsWhatFits) {
  struct Case {
    const char* what;
    std::string name;
    bool encrypted;
    int place, size, width;
    std::string expected;
  };
  const Case cases[] = {
      {"short name", "a.txt", false, 1, 1, 12, "a.txt       "},
      {"long name", "0123456789abcdefghijklmnopqrstuvwxyz", false, 1, 1, 20, "0123456789...tuvwxyz"},
      {"encrypted", "a.txt", true, 1, 1, 12, "a.txt (Enc) "},
      {"encrypted without room", "a.txt", true, 1, 1, 10, "a.txt     "},
      {"ring", "a.txt", false, 2, 3, 16, "a.txt (2 of 3)  "},
      {"ring without room", "a.txt", false, 2, 3, 12, "a.txt       "},
      {"both", "a.txt", true, 1, 2, 24, "a.txt (Enc) (1 of 2)    "},
      {"narrow field cuts plainly", "0123456789abcdef", false, 1, 1, 8, "01234567"},
      {"no room", "a.txt", false, 1, 1, 0, ""},
  };
  for (const Case& c : cases) {
    StatusFields f;
    f.name = c.name;
    f.encrypted = c.encrypted;
    f.ringPlace = c.place;
    f.ringSize = c.size;
    EXPECT_EQ(statusNamePart(f, c.width), c.expected) << c.what;
  }
  StatusFields f;
  f.line = 1234;
  f.column = 7;
  f.mode = "Capture";
  EXPECT_EQ(statusPositionPart(f), "   1234      7 Capture");
}

TEST(StatusLineText, Title) {
  EXPECT_EQ(consoleTitle("", false, false), "Tarnedit");
  EXPECT_EQ(consoleTitle("a.txt", false, false), "Tarnedit - a.txt");
  EXPECT_EQ(consoleTitle("a.txt", true, true), "Tarnedit - a.txt *");
  EXPECT_EQ(consoleTitle("a.txt", false, true), "Tarnedit - a.txt !");
}

using StatusAndMessagesTest = ScreenTest;

TEST_F(StatusAndMessagesTest, LongFileNameInTheStatusLine) {
  std::string name = "/projects/tarnedit/source/very/deep/directory/tree/with/a/long/file-name.txt";
  open(name, {"x"});
  std::string expected = name.substr(0, 10) + "..." + name.substr(name.size() - 45);
  EXPECT_EQ(row(24).substr(0, 58), expected);
}

TEST_F(StatusAndMessagesTest, ModifiedAndReadOnlyFilesChangeColoursModeAndTitle) {
  int slot = open("a.txt", {"x"});
  data(slot).setChangeCount(1);
  editor.engine.send(&data(slot), fn::kUpdateStatusLine);
  EXPECT_EQ(console.attributeAt(0, 24), 0x0E);
  EXPECT_EQ(console.attributeAt(79, 24), 0x0E);
  EXPECT_EQ(console.title(), "Tarnedit - a.txt *");

  data(slot).setChangeCount(0);
  data(slot).flags |= docflag::kReadOnly;
  editor.engine.send(&data(slot), fn::kUpdateStatusLine);
  EXPECT_EQ(console.attributeAt(0, 24), 0x0F);
  EXPECT_EQ(row(24).substr(58), "      1      1 Rd Only");
  EXPECT_EQ(console.title(), "Tarnedit - a.txt !");

  data(slot).flags |= docflag::kCapturing;
  editor.engine.send(&data(slot), fn::kUpdateStatusLine);
  EXPECT_EQ(row(24).substr(58), "      1      1 Capture");

  data(slot).flags &= ~(docflag::kCapturing | docflag::kReadOnly);
  editor.engine.send(&data(slot), fn::kSetOption, 1, opt::kInsertMode);
  editor.screen.redraw(false);
  EXPECT_EQ(row(24).substr(58), "      1      1 Insert ");
  EXPECT_EQ(console.cursorSize(), 90);
}

TEST_F(StatusAndMessagesTest, StatusLineAndTitleAreWrittenOnlyWhenChanged) {
  int slot = open("a.txt", {"x"});
  console.resetWriteCount();
  console.setTitle("changed outside");
  editor.engine.send(&data(slot), fn::kUpdateStatusLine);
  EXPECT_EQ(console.writesSinceReset(), 0);
  EXPECT_EQ(console.title(), "changed outside");
}

TEST_F(StatusAndMessagesTest, MessageReplacesTheNamePartUntilCleared) {
  open("a.txt", {"x"});
  editor.screen.message("Not found");
  EXPECT_TRUE(editor.screen.messageShown());
  EXPECT_EQ(row(24).substr(0, 12), "Not found   ");
  EXPECT_EQ(console.attributeAt(0, 24), 0x2F) << "message colours: bright white on green";
  EXPECT_EQ(console.attributeAt(58, 24), 0x0F);
  EXPECT_EQ(row(24).substr(58), "      1      1 Replace");

  editor.screen.clearMessage();
  EXPECT_FALSE(editor.screen.messageShown());
  EXPECT_EQ(row(24).substr(0, 10), "a.txt     ");
}

TEST_F(StatusAndMessagesTest, AMessageTooLongForTheNamePartRunsOverThePosition) {
  open("a.txt", {"x"});
  std::string text = "Unfinished save: the old text is in \".a-long-file-name.txt.tarn-old-ABCDEF\"";
  editor.screen.message(text);
  EXPECT_EQ(row(24).substr(0, text.size()), text);
  EXPECT_EQ(console.attributeAt(70, 24), 0x2F);
}

TEST_F(StatusAndMessagesTest, MessageBoxWithStatusLineHiddenKeepsTheCursorLineVisible) {
  editor.settings.statusLine = false;
  int slot = open("a.txt", {});
  Document& doc = data(slot);
  doc.freeLines();
  for (int i = 1; i <= 40; ++i) doc.appendLine(makeLine("line " + std::to_string(i)));
  doc.addSentinels();
  moveTo(slot, 12, 0);  // row 12 of the window: under the box
  editor.screen.redraw(true);
  ASSERT_EQ(console.cursorRow(), 12);

  console.queue(InputRecord::mouseEvent(1, 1, mousestate::kLeftButton, 0));
  console.queue(keyUp('x'));
  console.queue(keyDown('X', 'x'));
  console.queue(keyDown('Y', 'y'));
  editor.screen.message("Something happened");

  EXPECT_EQ(row(11).substr(10, 60),
            "\xDA" + std::string(24, '\xC4') + " Tarnedit " + std::string(24, '\xC4') + "\xBF");
  EXPECT_NE(row(12).find("Something happened"), std::string::npos);
  EXPECT_EQ(row(12)[10], '\xB3');
  EXPECT_EQ(row(12)[69], '\xB3');
  EXPECT_NE(row(13).find(" Press a key "), std::string::npos);
  EXPECT_EQ(console.attributeAt(10, 12), 0x2F);
  EXPECT_EQ(trimmed(10), "line 12") << "scrolled above the box";
  EXPECT_EQ(doc.view.topLineNumber, LineIndex(3));

  ASSERT_EQ(console.pendingInput(), 2u) << "the key stays queued, the mouse and the key-up are gone";
  InputRecord next;
  console.readInput(next);
  EXPECT_EQ(next.key.character, 'x');
}

TEST_F(StatusAndMessagesTest, ProgressNeverWaits) {
  editor.settings.statusLine = false;
  open("a.txt", {"x"});
  console.queue(keyDown('X', 'x'));
  editor.screen.note("Loading \"a.txt\" ...");
  EXPECT_NE(row(12).find("Loading \"a.txt\" ..."), std::string::npos);
  EXPECT_EQ(row(13).find("Press a key"), std::string::npos);
  EXPECT_EQ(console.pendingInput(), 1u);
}

TEST_F(StatusAndMessagesTest, ErrorBoxConsumesOneKeyAndGoesAway) {
  open("a.txt", {"x"});
  console.queue(InputRecord::focusEvent(false));
  console.queue(keyDown('A', 'a'));
  console.queue(keyDown('B', 'b'));
  editor.screen.error("Not enough memory!");
  EXPECT_EQ(console.pendingInput(), 1u);
  EXPECT_EQ(row(12).find("Not enough memory!"), std::string::npos) << "repainted after the key";
  EXPECT_EQ(trimmed(1), "x");
}

TEST_F(StatusAndMessagesTest, SizeChangeDuringABoxIsKeptForAfterwards) {
  editor.settings.statusLine = false;
  open("a.txt", {"x"});
  console.queue(InputRecord::bufferSizeEvent(100, 30));
  console.queue(keyDown('A', 'a'));
  editor.screen.message("hello");
  ASSERT_EQ(console.pendingInput(), 2u);
  InputRecord first;
  console.readInput(first);
  EXPECT_EQ(first.kind, InputKind::BufferSize);
}

TEST_F(StatusAndMessagesTest, StatusRowTextForPrompts) {
  open("a.txt", {"x"});
  editor.screen.statusRowText("Type y or n", 0x2F, 12);
  EXPECT_EQ(row(24), "Type y or n" + std::string(69, ' '));
  EXPECT_EQ(console.cursorRow(), 24);
  EXPECT_EQ(console.cursorColumn(), 12);
}

class RefusingConsole : public MemoryConsole {
 public:
  using MemoryConsole::MemoryConsole;
  // Only the row count can change, and only after a refused first try.
  bool resize(ConsoleSize wanted) override {
    ++attempts;
    if (wanted.columns != size().columns || attempts % 2) return false;
    return MemoryConsole::resize(wanted);
  }
  int attempts = 0;
};

TEST(ScreenSize, ClampsAndFallsBack) {
  struct Case {
    const char* what;
    int rows, columns;
    ConsoleSize largest;
    ConsoleSize expected;
  };
  const Case cases[] = {
      {"zero gives the defaults", 0, 0, {1023, 511}, {80, 25}},
      {"negative gives the defaults", -3, -1, {1023, 511}, {80, 25}},
      {"too large is clamped", 600, 2000, {1023, 511}, {1023, 511}},
      {"the console's largest size", 600, 2000, {200, 60}, {200, 60}},
      {"an ordinary size", 50, 132, {1023, 511}, {132, 50}},
  };
  for (const Case& c : cases) {
    MemoryConsole console({80, 25});
    console.setLargestSize(c.largest);
    EventLoop loop;
    Editor editor(console, loop);
    editor.screen.setUp();
    editor.screen.setScreenSize(c.rows, c.columns);
    EXPECT_EQ(console.size(), c.expected) << c.what;
    EXPECT_EQ(editor.screen.currentLayout().size, c.expected) << c.what;
  }

  RefusingConsole console({80, 25});
  EventLoop loop;
  Editor editor(console, loop);
  editor.screen.setUp();
  editor.screen.setScreenSize(40, 100);
  EXPECT_EQ(console.size(), (ConsoleSize{80, 40})) << "the new rows with the old columns";
  EXPECT_EQ(editor.screen.currentLayout().views[0].statusRow, 39);
  EXPECT_EQ(editor.screen.lastMessage(), "Display size 40 100 refused; the display is 40 80");
}

class UnyieldingConsole : public MemoryConsole {
 public:
  using MemoryConsole::MemoryConsole;
  bool resize(ConsoleSize) override { return false; }
};

// The refusal is told on the status line, and the cursor stays where keys
// go: after the text on the command line, or at its place in the file.
TEST(ScreenSize, ARefusedSizeIsToldAndTheCursorStaysWhereKeysGo) {
  for (bool inFile : {false, true}) {
    UnyieldingConsole console({80, 25});
    EventLoop loop;
    Editor editor(console, loop);
    editor.engine.setRegistry(kTestRegistry);
    editor.screen.setUp();
    SlotOpening opening;
    opening.name = "a.txt";
    int slot = openSlot(editor, opening);
    Document& command = *editor.slots.command(slot).document;
    command.insertCharacters(*command.current, 0, "abc");
    command.cursorColumn = 3;
    Document& file = *editor.slots.data(slot).document;
    file.cursorColumn = 5;
    editor.slots.setCursorInFile(slot, inFile);
    editor.screen.redraw(true);

    editor.screen.setScreenSize(60, 200);
    std::string told = "Display size 60 200 refused; the display is 25 80";
    EXPECT_EQ(editor.screen.lastMessage(), told);
    EXPECT_EQ(console.row(24).substr(0, told.size()), told);
    EXPECT_EQ(console.row(23).substr(0, 3), "abc");
    EXPECT_EQ(console.cursorColumn(), inFile ? 5 : 3);
    EXPECT_EQ(console.cursorRow(), inFile ? 0 : 23);
  }
}

}  // namespace
}  // namespace tarn::test
