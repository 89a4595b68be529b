#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include "file_fixture.h"

namespace tarn {
namespace {

using testing::EditorTest;
using testing::setLines;
using testing::textLines;
using testing::writeBytes;

using Lines = std::vector<std::string>;

class OutsideChangesTest : public EditorTest {
 protected:
  // Another program rewrites the file; its time moves on for sure.
  void changeOutside(const std::string& path, std::string_view bytes) {
    writeBytes(path, bytes);
    timespec times[2] = {{0, UTIME_OMIT}, {++stamp, 123}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
  }
  std::string numbered(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\n";
    return text;
  }
  time_t stamp = 1'000'000'000;
};

TEST_F(OutsideChangesTest, AChangedFileIsReloadedOnYes) {
  writeBytes(dir / "a.txt", "old\n");
  writeBytes(dir / "b.txt", "b\n");
  Document& a = open(dir / "a.txt");
  int slotA = editor.slots.current();
  open(dir / "b.txt");
  int slotB = editor.slots.current();
  a.setChangeCount(3);
  editor.files.focusLost();
  changeOutside(dir / "a.txt", "new\nlines\n");
  type("y");
  editor.files.focusGained();
  EXPECT_EQ(textLines(a), (Lines{"new", "lines"}));
  EXPECT_EQ(a.changeCount(), 0);
  EXPECT_EQ(editor.slots.current(), slotB) << "the previous slot is current again";
  EXPECT_NE(slotA, slotB);
}

TEST_F(OutsideChangesTest, NoKeepsTheText) {
  writeBytes(dir / "a.txt", "old\n");
  Document& a = open(dir / "a.txt");
  editor.files.focusLost();
  changeOutside(dir / "a.txt", "new\n");
  type("n");
  editor.files.focusGained();
  EXPECT_EQ(textLines(a), Lines{"old"});
  EXPECT_EQ(console.pendingInput(), 0u);
}

TEST_F(OutsideChangesTest, NothingIsAskedWithoutAChange) {
  writeBytes(dir / "a.txt", "old\n");
  Document& a = open(dir / "a.txt");
  editor.files.focusLost();
  type("y");
  editor.files.focusGained();
  EXPECT_EQ(console.pendingInput(), 1u);

  changeOutside(dir / "a.txt", "new\n");
  editor.files.focusGained();
  EXPECT_EQ(console.pendingInput(), 1u) << "the focus did not go in between";

  setLines(a, {"mine"});
  editor.files.focusLost();
  EXPECT_EQ(editor.files.saveCommand({}, false), 1);
  editor.files.focusGained();
  EXPECT_EQ(console.pendingInput(), 1u) << "the editor's own save is no outside change";
}

TEST_F(OutsideChangesTest, TheCursorStaysWhereTheNewTextAllows) {
  writeBytes(dir / "a.txt", numbered(40));
  Document& a = open(dir / "a.txt");
  a.current = a.lineAt(LineIndex(31));
  a.currentLineNumber = LineIndex(31);
  a.cursorColumn = 4;
  editor.files.focusLost();
  changeOutside(dir / "a.txt", numbered(35));
  type("y");
  editor.files.focusGained();
  EXPECT_EQ(a.currentLineNumber, LineIndex(31));
  EXPECT_EQ(a.current->view(), "line 30");
  EXPECT_EQ(a.cursorColumn, 4);

  editor.files.focusLost();
  changeOutside(dir / "a.txt", numbered(3));
  type("y");
  editor.files.focusGained();
  EXPECT_EQ(a.currentLineNumber, a.lastIndex());
  EXPECT_EQ(a.current, a.last);
  EXPECT_LE(a.view.topLineNumber, a.currentLineNumber);
}

TEST_F(OutsideChangesTest, AFileMadeReadOnlyMakesItsViewsReadOnly) {
  writeBytes(dir / "a.txt", "text\n");
  editor.screen.setSplitMode(SplitMode::LeftRight);
  Document& a = open(dir / "a.txt");
  int second = editor.slots.used()[1];
  editor.files.focusLost();
  chmod((dir / "a.txt").c_str(), 0444);
  type("y");
  editor.files.focusGained();
  EXPECT_TRUE(a.isReadOnly());
  EXPECT_TRUE(currentWindow().flags & winflag::kReadOnly);
  EXPECT_TRUE(editor.slots.data(second).flags & winflag::kReadOnly);

  editor.files.focusLost();
  chmod((dir / "a.txt").c_str(), 0644);
  type("y");
  editor.files.focusGained();
  EXPECT_FALSE(a.isReadOnly()) << "writable again";
  EXPECT_FALSE(editor.slots.data(second).flags & winflag::kReadOnly);
}

TEST_F(OutsideChangesTest, ASlotOpenedReadOnlyStaysSo) {
  writeBytes(dir / "a.txt", "text\n");
  Document& a = open(dir / "a.txt", true);
  editor.files.focusLost();
  changeOutside(dir / "a.txt", "new\n");
  type("y");
  editor.files.focusGained();
  EXPECT_EQ(textLines(a), Lines{"new"});
  EXPECT_TRUE(a.isReadOnly());
}

}  // namespace
}  // namespace tarn
