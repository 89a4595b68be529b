// What a save that was killed leaves behind, and how the next opening of
// the file deals with it.
#include "core/leftovers.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/safe_save.h"
#include "file_fixture.h"
#include "platform/file_system.h"

namespace tarn {
namespace {

using testing::EditorTest;
using testing::readBytes;
using testing::writeBytes;

class Leftovers : public EditorTest {
 protected:
  void SetUp() override { makeProfileDirectory(); }

  // Starts saving new text over a file in a child process, which is killed
  // once part of the text is written.
  void killedWhileSaving(const std::string& path, std::string_view part) {
    pid_t child = fork();
    if (child == 0) {
      ReplaceOptions options;
      options.spareDirectory = editor.paths.profileDirectory;
      replaceFile(path, [&](fs::File& file) {
        file.writeAll(part);
        kill(getpid(), SIGKILL);
        return true;
      }, options);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
  }

  // Names in the directory that the file's copies would have.
  std::vector<std::string> asideEntries() {
    std::vector<std::string> names;
    auto entries = fs::listDirectory(dir.path());
    for (const auto& e : *entries)
      if (e.name.find(".tarn-") != std::string::npos) names.push_back(e.name);
    return names;
  }
};

TEST_F(Leftovers, AKilledSaveIsNamedAtTheNextOpening) {
  struct Case {
    const char* file;
    bool linked;            // written in place, after a copy of the old text
    const char* fileAfter;  // what the kill left in the file itself
    const char* leftover;   // and beside it
    const char* notice;
  };
  const Case cases[] = {
      {"linked.txt", true, "new te", "old text\r\n", "Unfinished save: the old text is in "},
      {"alone.txt", false, "old text\r\n", "new te", "Unfinished save: the new text is in "},
  };
  for (const Case& c : cases) {
    const std::string name = dir / c.file;
    writeBytes(name, "old text\r\n");
    if (c.linked) {
      ASSERT_TRUE(fs::hardLink(name, dir / "b.txt"));
    }
    killedWhileSaving(name, "new te");
    EXPECT_EQ(readBytes(name), c.fileAfter);
    auto left = asideEntries();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(readBytes(dir / left[0]), c.leftover);

    open(name);
    EXPECT_EQ(editor.screen.lastMessage(), c.notice + ("\"" + left[0] + "\""));
    EXPECT_EQ(asideEntries(), left) << "kept until the user deals with it";
    fs::remove(dir / left[0]);
    fs::remove(dir / "b.txt");
  }
}

TEST_F(Leftovers, ThoseThatHoldNothingTheFileLacksAreRemoved) {
  const std::string big(100000, 'b');
  struct Case {
    const char* entry;
    std::string contents;
    std::string file;
    bool kept;
  };
  const Case cases[] = {
      {".a.txt.tarn-old-AAAAAA", "abc", "abc", false},
      {".a.txt.tarn-old-AAAAAA", "ab", "abc", false},   // killed while copying
      {".a.txt.tarn-old-AAAAAA", "abc", "ab", true},    // killed while writing
      {".a.txt.tarn-old-AAAAAA", "abc", "xyz", true},
      {".a.txt.tarn-old-AAAAAA", big, big + "x", false},
      {".a.txt.tarn-old-AAAAAA", big + "x", big, true},
      {".a.txt.tarn-AAAAAA", "abc", "abc", false},
      {".a.txt.tarn-AAAAAA", "", "abc", false},         // killed before writing
      {".a.txt.tarn-AAAAAA", "ab", "abc", true},        // maybe the end was deleted
      {".a.txt.tarn-AAAAAA", big, big + "x", true},
      {"a.txt.tarn-save", "abc", "abc", false},         // taken back and saved
      {"a.txt.tarn-save", "ab", "abc", true},
  };
  for (const Case& c : cases) {
    writeBytes(dir / "a.txt", c.file);
    writeBytes(dir / c.entry, c.contents);
    auto found = collectLeftovers(dir / "a.txt", editor.paths.profileDirectory);
    EXPECT_EQ(found.size(), c.kept ? 1u : 0u) << c.entry << " " << c.contents.substr(0, 3);
    EXPECT_EQ(fs::status(dir / c.entry).has_value(), c.kept) << c.entry << " " << c.contents.substr(0, 3);
    fs::remove(dir / c.entry);
  }
}

TEST_F(Leftovers, ASaveStillRunningIsLeftAlone) {
  writeBytes(dir / "a.txt", "abc");
  writeBytes(dir / ".a.txt.tarn-AAAAAA", "");
  fs::File held = fs::File::openRead(dir / ".a.txt.tarn-AAAAAA");
  ASSERT_TRUE(held.tryLock());
  EXPECT_TRUE(collectLeftovers(dir / "a.txt", editor.paths.profileDirectory).empty());
  EXPECT_TRUE(fs::status(dir / ".a.txt.tarn-AAAAAA"));
}

TEST_F(Leftovers, TheMostUrgentIsNamedFirst) {
  writeBytes(dir / "a.txt", "");
  AsidePlace profile = elsewhere(dir / "a.txt", editor.paths.profileDirectory);
  writeBytes(dir / "a.txt.tarn-save", "unsaved");
  writeBytes(asidePath(profile, temporaryPrefix(profile, AsideKind::OldText) + "AAAAAA"), "old");
  writeBytes(dir / ".a.txt.tarn-AAAAAA", "new");
  auto found = collectLeftovers(dir / "a.txt", editor.paths.profileDirectory);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].kind, AsideKind::OldText);
  EXPECT_EQ(found[1].kind, AsideKind::Recovery);
  EXPECT_EQ(found[2].kind, AsideKind::SaveInProgress);
  EXPECT_EQ(leftoverNotice(dir / "a.txt", found),
            "Unfinished save: the old text is in \"" + found[0].path + "\" (and 2 more)")
      << "a copy in the profile directory is named in full";
}

}  // namespace
}  // namespace tarn
