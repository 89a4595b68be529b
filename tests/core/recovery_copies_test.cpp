// Keeping unsaved changes when a signal ends the editor, and telling the
// user about them when the file is opened again.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/encrypted_format.h"
#include "core/slot_ops.h"
#include "file_fixture.h"
#include "platform/file_system.h"

namespace tarn {
namespace {

using testing::EditorTest;
using testing::readBytes;
using testing::setLines;
using testing::writeBytes;

class RecoveryCopies : public EditorTest {
 protected:
  void SetUp() override { makeProfileDirectory(); }
  void closeEverything() {
    for (int s : editor.slots.used()) closeSlot(editor, s, false);
  }
};

TEST_F(RecoveryCopies, ModifiedDocumentsAreKeptBesideTheirFiles) {
  writeBytes(dir / "a.txt", "saved\r\n");
  writeBytes(dir / "b.txt", "untouched\r\n");
  Document& a = openWith(dir / "a.txt", {"changed"});
  open(dir / "b.txt");
  auto kept = editor.files.keepUnsavedChanges();
  ASSERT_EQ(kept.size(), 1u) << "only what is modified";
  EXPECT_EQ(kept[0].file, dir / "a.txt");
  EXPECT_EQ(kept[0].copy, dir / "a.txt.tarn-save");
  EXPECT_EQ(readBytes(dir / "a.txt.tarn-save"), "changed\r\n");
  EXPECT_EQ(fs::status(dir / "a.txt.tarn-save")->mode, 0600u);
  EXPECT_EQ(readBytes(dir / "a.txt"), "saved\r\n") << "never over the file itself";
  EXPECT_TRUE(a.isModified());

  setLines(a, {"changed again"});
  kept = editor.files.keepUnsavedChanges();
  EXPECT_EQ(kept[0].copy, dir / "a.txt.tarn-save-2");
  EXPECT_EQ(readBytes(dir / "a.txt.tarn-save"), "changed\r\n") << "an older copy may hold older work";
  EXPECT_EQ(readBytes(dir / "a.txt.tarn-save-2"), "changed again\r\n");

  closeEverything();
  open(dir / "a.txt");
  EXPECT_EQ(editor.screen.lastMessage(),
            "Earlier unsaved changes are in \"a.txt.tarn-save-2\" (and 1 more)");
}

TEST_F(RecoveryCopies, AFolderThatTakesNoFileLeavesTheCopyInTheProfileDirectory) {
  const std::string sub = dir / "gone";
  mkdir(sub.c_str(), 0755);
  openWith(sub + "/a.txt", {"new file"});
  std::filesystem::remove_all(sub);  // stands for a folder that takes no file, even for root
  ASSERT_GE(openSlot(editor, SlotOpening{}), 0);
  setLines(current(), {"no name"});
  auto kept = editor.files.keepUnsavedChanges();
  ASSERT_EQ(kept.size(), 2u);
  for (const RecoveryCopy& r : kept) {
    EXPECT_TRUE(r.copy.starts_with(editor.paths.profileDirectory)) << r.copy;
    EXPECT_TRUE(r.copy.ends_with(".tarn-save")) << r.copy;
  }
  EXPECT_EQ(readBytes(kept[0].copy), "new file\r\n");
  EXPECT_EQ(readBytes(kept[1].copy), "no name\r\n");

  closeEverything();
  mkdir(sub.c_str(), 0755);
  open(sub + "/a.txt");
  EXPECT_EQ(editor.screen.lastMessage(), "Earlier unsaved changes are in \"" + kept[0].copy + "\"");
}

TEST_F(RecoveryCopies, ANameInTheWayIsNotFollowed) {
  writeBytes(dir / "a.txt", "saved\r\n");
  ASSERT_EQ(symlink("a.txt", (dir / "a.txt.tarn-save").c_str()), 0);
  openWith(dir / "a.txt", {"changed"});
  auto kept = editor.files.keepUnsavedChanges();
  EXPECT_EQ(kept[0].copy, dir / "a.txt.tarn-save-2");
  EXPECT_EQ(readBytes(dir / "a.txt"), "saved\r\n");
}

TEST_F(RecoveryCopies, AnEncryptedDocumentStaysEncrypted) {
  editor.settings.encryption = true;
  Document& doc = openWith(dir / "s.txt", {"secret"});
  type("pw\rpw\r");
  ASSERT_EQ(editor.files.saveCommand({}, false), 1);
  setLines(doc, {"more secret"});
  auto kept = editor.files.keepUnsavedChanges();
  std::string bytes = readBytes(kept[0].copy);
  EXPECT_TRUE(startsWithEncryptedHeader(bytes));
  EXPECT_EQ(bytes.find("secret"), std::string::npos);

  editor.files.clearPassword();
  kept = editor.files.keepUnsavedChanges();
  EXPECT_EQ(kept[0].copy, "") << "never as plain text";
}

}  // namespace
}  // namespace tarn
