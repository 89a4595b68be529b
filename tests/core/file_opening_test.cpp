#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/slot_ops.h"
#include "file_fixture.h"
#include "platform/environment.h"
#include "platform/file_system.h"

namespace tarn {
namespace {

using testing::EditorTest;
using testing::textLines;
using testing::writeBytes;

using Lines = std::vector<std::string>;

class FileOpening : public EditorTest {};

TEST_F(FileOpening, EditLoadsTheFileIntoANewCurrentSlot) {
  writeBytes(dir / "a.txt", "one\r\ntwo\r\n");
  Document& doc = open(dir / "a.txt");
  EXPECT_EQ(textLines(doc), (Lines{"one", "two"}));
  EXPECT_EQ(doc.name, dir / "a.txt");
  EXPECT_FALSE(doc.isReadOnly());
  EXPECT_EQ(doc.changeCount(), 0);
  EXPECT_EQ(editor.slots.usedCount(), 1);
}

TEST_F(FileOpening, ANewFileIsAnEmptyDocument) {
  Document& doc = open(dir / "new.txt");
  EXPECT_EQ(textLines(doc), Lines{""});
  EXPECT_EQ(doc.name, dir / "new.txt");
}

TEST_F(FileOpening, TheSameNameReusesItsSlotUnlessReadOnlyIsAsked) {
  writeBytes(dir / "a.txt", "a");
  writeBytes(dir / "b.txt", "b");
  open(dir / "a.txt");
  int first = editor.slots.current();
  open(dir / "b.txt");
  open(dir / "A.TXT");
  EXPECT_EQ(editor.slots.current(), first);
  EXPECT_EQ(editor.slots.usedCount(), 2);
  Document& view = open(dir / "a.txt", true);
  EXPECT_NE(editor.slots.current(), first);
  EXPECT_TRUE(view.isReadOnly());
  EXPECT_TRUE(currentWindow().flags & winflag::kReadOnly);
}

TEST_F(FileOpening, RefusedFilesKeepThePreviousSlot) {
  writeBytes(dir / "a.txt", "a");
  writeBytes(dir / "pic.bmp", "BM\x01\x02");
  writeBytes(dir / "text.bmp", "not a bitmap");
  open(dir / "a.txt");
  int previous = editor.slots.current();
  EXPECT_FALSE(editor.files.edit(dir / "pic.bmp", {}));
  EXPECT_FALSE(editor.files.edit(dir / "com1", {}));
  EXPECT_FALSE(editor.files.edit(dir / "nosuchdir/x", {}));
  EXPECT_EQ(editor.slots.current(), previous);
  EXPECT_EQ(editor.slots.usedCount(), 1);
  EXPECT_EQ(textLines(open(dir / "text.bmp")), Lines{"not a bitmap"});
  EXPECT_TRUE(editor.files.edit(dir / "com1.txt", {}));
}

TEST_F(FileOpening, WildcardsOpenEveryMatch) {
  writeBytes(dir / "x1.c", "1");
  writeBytes(dir / "x2.c", "2");
  writeBytes(dir / "y.c", "3");
  EXPECT_TRUE(editor.files.edit(dir / "x?.C", {}));
  EXPECT_EQ(editor.slots.usedCount(), 2);
}

TEST_F(FileOpening, AFileThatCannotBeWrittenOpensReadOnly) {
  writeBytes(dir / "ro.txt", "x");
  chmod((dir / "ro.txt").c_str(), 0444);
  Document& doc = open(dir / "ro.txt");
  EXPECT_TRUE(doc.isReadOnly());
  EXPECT_TRUE(currentWindow().flags & winflag::kReadOnly);
}

TEST_F(FileOpening, SplitModeOpensASecondView) {
  writeBytes(dir / "a.txt", "a");
  editor.screen.setSplitMode(SplitMode::TopBottom);
  Document& doc = open(dir / "a.txt");
  int first = editor.slots.current();
  ASSERT_EQ(editor.slots.usedCount(), 2);
  int second = editor.slots.used()[1];
  EXPECT_TRUE(editor.slots.isSecondView(second));
  EXPECT_EQ(editor.slots.data(second).document, &doc);
  EXPECT_EQ(editor.slots.ring(true), std::vector<int>{second});
  EXPECT_EQ(first, editor.slots.used()[0]);
}

TEST_F(FileOpening, PlainNamesAreAlsoLookedForAlongTarnPath) {
  writeBytes(dir / "found.txt", "from the path");
  auto saved = environmentValue("TARNPATH");
  setEnvironmentValue("TARNPATH", dir.path());
  std::string elsewhere = dir / "SubDir";
  ASSERT_EQ(mkdir(elsewhere.c_str(), 0755), 0);
  std::string cwd = fs::currentDirectory();
  ASSERT_EQ(chdir(elsewhere.c_str()), 0);
  Document& found = open("found.txt");
  EXPECT_EQ(found.name, dir / "found.txt");
  EXPECT_EQ(textLines(found), Lines{"from the path"});
  Document& fresh = open("fresh.txt");
  EXPECT_EQ(fresh.name, elsewhere + "/fresh.txt") << "a new file is named where it was asked for";
  EXPECT_EQ(chdir(cwd.c_str()), 0);
  setEnvironmentValue("TARNPATH", saved.value_or(""));
}

class RecordingForeignFiles : public ForeignFiles {
 public:
  explicit RecordingForeignFiles(std::vector<std::string> copies) : copies_(std::move(copies)) {}
  std::optional<std::vector<std::string>> openZip(const std::string& archive) override {
    calls.push_back("zip " + archive);
    return copies_;
  }
  std::optional<std::string> openFtp(const std::string& url) override {
    calls.push_back("ftp " + url);
    return copies_.front();
  }
  bool openWorkspace(const std::string& path, const EditRequest&) override {
    calls.push_back("workspace " + path);
    return true;
  }
  void copySaved(const std::string& copy) override { calls.push_back("saved " + copy); }
  std::string shownName(const std::string& copy) override { return "(archive) " + copy; }

  std::vector<std::string> calls;

 private:
  std::vector<std::string> copies_;
};

TEST_F(FileOpening, ZipFtpAndWorkspacesGoToTheirHandlers) {
  writeBytes(dir / "m1.txt", "1");
  writeBytes(dir / "m2.txt", "2");
  RecordingForeignFiles foreign({dir / "m1.txt", dir / "m2.txt"});
  editor.files.setForeignFiles(&foreign);
  EXPECT_TRUE(editor.files.edit("/x/Archive.ZIP", {}));
  EXPECT_EQ(editor.slots.usedCount(), 2);
  EXPECT_TRUE(currentWindow().flags & winflag::kZipMember);
  EXPECT_TRUE(editor.files.edit("FTP://host/file", {}));
  EXPECT_TRUE(editor.files.edit(dir / "work.tarn", {}));
  EXPECT_EQ(foreign.calls, (Lines{"zip /x/Archive.ZIP", "ftp FTP://host/file", "workspace " + (dir / "work.tarn")}));

  EditRequest asFile;
  asFile.asFile = true;
  writeBytes(dir / "work.tarn", "as text");
  EXPECT_TRUE(editor.files.edit(dir / "work.tarn", asFile));
  EXPECT_EQ(textLines(current()), Lines{"as text"});
  editor.files.setForeignFiles(nullptr);
  EXPECT_FALSE(editor.files.edit("/x/b.zip", {}));
}

}  // namespace
}  // namespace tarn
