#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/settings.h"
#include "file_fixture.h"
#include "platform/file_system.h"

namespace tarn {
namespace {

using testing::EditorTest;
using testing::readBytes;
using testing::setLines;
using testing::textLines;
using testing::writeBytes;

using Args = std::vector<std::string>;

class SaveCommand : public EditorTest {
 protected:
  Document& openWith(const std::string& name, const std::vector<std::string>& lines) {
    Document& doc = open(dir / name);
    setLines(doc, lines);
    return doc;
  }
  int save(const Args& args = {}) { return editor.files.saveCommand(args, false); }
  int file(const Args& args = {}) { return editor.files.saveCommand(args, true); }
};

TEST_F(SaveCommand, SaveWritesTheFileAndMarksItUnmodified) {
  Document& doc = openWith("a.txt", {"one", "two"});
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(readBytes(dir / "a.txt"), "one\r\ntwo\r\n");
  EXPECT_EQ(doc.changeCount(), 0);
  EXPECT_EQ(editor.slots.usedCount(), 1);
}

TEST_F(SaveCommand, LineEndAndEofOptionsOfTheDocument) {
  Document& doc = openWith("a.txt", {"a", "b"});
  const std::vector<std::pair<int, std::string>> ends = {
      {lineend::kCrLf, "a\r\nb\r\n"}, {lineend::kCr, "a\rb\r"}, {lineend::kLf, "a\nb\n"}, {lineend::kNone, "ab"}};
  for (const auto& [end, bytes] : ends) {
    doc.options[opt::kLineEnd] = end;
    ASSERT_EQ(save(), 1);
    EXPECT_EQ(readBytes(dir / "a.txt"), bytes) << end;
  }
  doc.options[opt::kLineEnd] = lineend::kLf;
  doc.options[opt::kEofMark] = 1;
  ASSERT_EQ(save(), 1);
  EXPECT_EQ(readBytes(dir / "a.txt"), "a\nb\n\x1A");
}

TEST_F(SaveCommand, CompressionFollowsTheWordOrTheSettingForOneSaveOnly) {
  Document& doc = openWith("a.txt", {"        x"});
  EXPECT_EQ(save({"", "tabs"}), 1);
  EXPECT_EQ(readBytes(dir / "a.txt"), "\tx\r\n");
  EXPECT_EQ(doc.option(opt::kCompressBlanks), 0);
  editor.settings.blankCompress = true;
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(readBytes(dir / "a.txt"), "\tx\r\n");
  EXPECT_EQ(save({"", "NOTABS"}), 1);
  EXPECT_EQ(readBytes(dir / "a.txt"), "        x\r\n");
}

TEST_F(SaveCommand, SaveUnderAnotherNameRenamesTheDocument) {
  Document& doc = openWith("a.txt", {"text"});
  writeBytes(dir / "a.txt", "old");
  EXPECT_EQ(save({"b.txt"}), 1) << "relative to the current directory";
  EXPECT_EQ(readBytes(fs::currentDirectory() + "/b.txt"), "text\r\n");
  fs::remove(fs::currentDirectory() + "/b.txt");
  EXPECT_EQ(save({dir / "c.txt"}), 1);
  EXPECT_EQ(readBytes(dir / "c.txt"), "text\r\n");
  EXPECT_EQ(readBytes(dir / "a.txt"), "old");
  EXPECT_EQ(doc.name, dir / "c.txt");
  EXPECT_EQ(doc.changeCount(), 0);
}

TEST_F(SaveCommand, WithVoCompatibilityANamedSaveWritesACopy) {
  editor.settings.voCompatibility = true;
  Document& doc = openWith("a.txt", {"text"});
  doc.setChangeCount(0);
  EXPECT_EQ(save({dir / "copy.txt"}), 1);
  EXPECT_EQ(readBytes(dir / "copy.txt"), "text\r\n");
  EXPECT_EQ(doc.name, dir / "a.txt");
  EXPECT_EQ(doc.changeCount(), 1);
  EXPECT_FALSE(fs::status(dir / "a.txt")) << "the first file is not written";
  EXPECT_EQ(file({dir / "moved.txt"}), 1) << "file gives the document the name";
  EXPECT_EQ(readBytes(dir / "moved.txt"), "text\r\n");
}

TEST_F(SaveCommand, FileClosesTheSlotAfterASuccessfulSave) {
  openWith("a.txt", {"x"});
  EXPECT_EQ(file(), 1);
  EXPECT_EQ(readBytes(dir / "a.txt"), "x\r\n");
  EXPECT_EQ(editor.slots.usedCount(), 0);
  EXPECT_EQ(editor.slots.current(), -1);
}

TEST_F(SaveCommand, TheOverwriteQuestion) {
  editor.settings.confirm = true;
  openWith("a.txt", {"new"});
  writeBytes(dir / "b.txt", "old");
  type("n");
  EXPECT_EQ(save({dir / "b.txt"}), 0);
  EXPECT_EQ(readBytes(dir / "b.txt"), "old");
  type("y");
  EXPECT_EQ(file({dir / "b.txt"}), 1);
  EXPECT_EQ(readBytes(dir / "b.txt"), "new\r\n");
  EXPECT_EQ(console.pendingInput(), 0u);

  openWith("c.txt", {"c"});
  EXPECT_EQ(save(), 1) << "no question for a file that does not exist yet";
  EXPECT_EQ(console.pendingInput(), 0u);
  type("x");
  EXPECT_EQ(save(), 0) << "its own file, now existing";
}

TEST_F(SaveCommand, RefusedSaves) {
  Document& ro = openWith("a.txt", {"x"});
  ro.flags |= docflag::kReadOnly;
  EXPECT_EQ(save(), 0);
  EXPECT_EQ(file(), 0);
  EXPECT_EQ(editor.slots.usedCount(), 1) << "nothing closed";
  EXPECT_FALSE(fs::status(dir / "a.txt"));

  openWith("b.txt", {"x"});
  currentWindow().flags |= winflag::kZipMember;
  EXPECT_EQ(save({dir / "other.txt"}), 0);
  currentWindow().flags = winflag::kFtpFile;
  EXPECT_EQ(save({dir / "other.txt"}), 0);
  EXPECT_EQ(save({dir / "nosuch/other.txt"}), 0);
  EXPECT_EQ(save({"COM1"}), 0);
  EXPECT_FALSE(fs::status(dir / "other.txt"));

  Document& untitled = openWith("c.txt", {"x"});
  untitled.name = "Untitled";
  EXPECT_EQ(save(), 0);
}

TEST_F(SaveCommand, AReadOnlyFileOnDiskIsNotWritten) {
  Document& doc = openWith("a.txt", {"new"});
  writeBytes(dir / "a.txt", "old");
  chmod((dir / "a.txt").c_str(), 0444);
  EXPECT_EQ(save(), 0);
  EXPECT_EQ(editor.files.write(doc, false, dir / "a.txt", false), -1);
  EXPECT_EQ(readBytes(dir / "a.txt"), "old");
  EXPECT_NE(doc.changeCount(), 0);
}

TEST_F(SaveCommand, AppendModeAddsEveryLine) {
  Document& doc = openWith("a.txt", {"  b  "});
  editor.settings.lineTrim = trim::kTrailing;
  writeBytes(dir / "log.txt", "a\r\n");
  EXPECT_EQ(editor.files.write(doc, false, dir / "log.txt", true), 1);
  EXPECT_EQ(readBytes(dir / "log.txt"), "a\r\n  b  \r\n");
  EXPECT_EQ(editor.files.write(doc, false, dir / "fresh.txt", true), 1);
  EXPECT_EQ(readBytes(dir / "fresh.txt"), "  b  \r\n");
}

}  // namespace
}  // namespace tarn
