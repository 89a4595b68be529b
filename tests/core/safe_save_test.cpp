#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "core/settings.h"
#include "file_fixture.h"
#include "platform/file_system.h"

namespace tarn {
namespace {

using testing::EditorTest;
using testing::readBytes;
using testing::setLines;
using testing::writeBytes;

class SafeSave : public EditorTest {
 protected:
  int save() { return editor.files.saveCommand({}, false); }

  // Saves in a child process that may not write files beyond limit bytes;
  // the child's exit status is the save's result plus 10 when the document
  // stayed modified.
  int saveWithFileLimit(rlim_t limit) {
    pid_t child = fork();
    if (child == 0) {
      signal(SIGXFSZ, SIG_IGN);
      rlimit rl{limit, limit};
      setrlimit(RLIMIT_FSIZE, &rl);
      int result = editor.files.save(std::nullopt, Compress::FromSetting, false);
      _exit((result + 2) + (current().changeCount() != 0 ? 10 : 0));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) - 2 : -100;
  }

  // Runs a step in a child process as an ordinary user (root is not held
  // back by permissions the way users are); its result is the step's.
  int asOrdinaryUser(const std::function<int()>& step) {
    chmod(dir.path().c_str(), 0777);
    pid_t child = fork();
    if (child == 0) {
      constexpr uid_t kNobody = 65534;
      if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(100);
      _exit(step());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -100;
  }

  std::vector<std::string> bigText() { return std::vector<std::string>(2000, std::string(60, 'n')); }

  std::vector<std::string> leftovers() {
    std::vector<std::string> names;
    auto entries = fs::listDirectory(dir.path());
    for (const auto& e : *entries)
      if (e.name.find(".tarn-") != std::string::npos) names.push_back(e.name);
    return names;
  }
};

TEST_F(SafeSave, AFailedWriteLeavesTheOldFileWhole) {
  const std::string old = "the old text\r\n";
  writeBytes(dir / "a.txt", old);
  openWith(dir / "a.txt", bigText());
  EXPECT_EQ(saveWithFileLimit(4096), -2 + 10);
  EXPECT_EQ(readBytes(dir / "a.txt"), old);
  EXPECT_TRUE(leftovers().empty());
}

TEST_F(SafeSave, AFailedWriteOfAHardLinkedFilePutsTheOldTextBack) {
  const std::string old = "linked text\r\n";
  writeBytes(dir / "a.txt", old);
  ASSERT_TRUE(fs::hardLink(dir / "a.txt", dir / "b.txt"));
  openWith(dir / "a.txt", bigText());
  EXPECT_EQ(saveWithFileLimit(4096), -2 + 10);
  EXPECT_EQ(readBytes(dir / "a.txt"), old);
  EXPECT_EQ(fs::status(dir / "a.txt")->links, 2u);
  EXPECT_TRUE(leftovers().empty());
}

TEST_F(SafeSave, AFailedAppendIsCutBack) {
  writeBytes(dir / "log.txt", "start\r\n");
  Document& doc = openWith(dir / "a.txt", bigText());
  pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit rl{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &rl);
    _exit(editor.files.write(doc, false, dir / "log.txt", true) + 2);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "-2";
  EXPECT_EQ(readBytes(dir / "log.txt"), "start\r\n");
}

TEST_F(SafeSave, SymbolicLinksAreWrittenThrough) {
  writeBytes(dir / "target.txt", "old");
  ASSERT_EQ(symlink("target.txt", (dir / "link.txt").c_str()), 0);
  openWith(dir / "link.txt", {"new"});
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(readBytes(dir / "target.txt"), "new\r\n");
  EXPECT_TRUE(fs::linkStatus(dir / "link.txt")->isSymlink);
}

TEST_F(SafeSave, HardLinksStayLinked) {
  writeBytes(dir / "a.txt", "old");
  ASSERT_TRUE(fs::hardLink(dir / "a.txt", dir / "b.txt"));
  openWith(dir / "a.txt", {"new"});
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(readBytes(dir / "b.txt"), "new\r\n");
  EXPECT_EQ(fs::status(dir / "a.txt")->links, 2u);
  EXPECT_TRUE(leftovers().empty());
}

TEST_F(SafeSave, PermissionsAreKept) {
  writeBytes(dir / "a.sh", "old");
  chmod((dir / "a.sh").c_str(), 0751);
  openWith(dir / "a.sh", {"new"});
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(fs::status(dir / "a.sh")->mode, 0751u);
  EXPECT_EQ(fs::status(dir / "new.txt"), std::nullopt);
  openWith(dir / "new.txt", {"x"});
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(fs::status(dir / "new.txt")->mode, fs::newFileMode()) << "a new file gets the usual mode";
}

TEST_F(SafeSave, SetuidAndSetgidBitsAreKept) {
  for (bool linked : {false, true}) {
    const std::string name = dir / (linked ? "linked.sh" : "alone.sh");
    int result = asOrdinaryUser([&] {
      writeBytes(name, "old");
      chmod(name.c_str(), 06755);
      if (linked) fs::hardLink(name, name + ".2");
      openWith(name, {"new"});
      return save();
    });
    EXPECT_EQ(result, 1) << name;
    EXPECT_EQ(readBytes(name), "new\r\n") << name;
    EXPECT_EQ(fs::status(name)->mode, 06755u) << name;
  }
}

TEST_F(SafeSave, NamesUpToTheLimitAreSaved) {
  std::string accented;
  while (accented.size() < 254) accented += "\xC3\xA9";
  for (const std::string& base : {std::string(243, 'n'), std::string(255, 'n'), accented}) {
    const std::string name = dir / base;
    Document& doc = openWith(name, {"first"});
    EXPECT_EQ(save(), 1) << "a new file of " << base.size();
    setLines(doc, {"second"});
    EXPECT_EQ(save(), 1) << "an old file of " << base.size();
    ASSERT_TRUE(fs::hardLink(name, dir / "other"));
    setLines(doc, {"third"});
    EXPECT_EQ(save(), 1) << "a hard-linked file of " << base.size();
    EXPECT_EQ(readBytes(dir / "other"), "third\r\n");
    fs::remove(dir / "other");
  }
  EXPECT_TRUE(leftovers().empty());
}

TEST_F(SafeSave, ADirectoryThatTakesNoNewFilesIsWrittenInPlace) {
  if (geteuid() == 0) GTEST_SKIP() << "root creates files in any directory";
  std::string sub = dir / "locked";
  mkdir(sub.c_str(), 0755);
  writeBytes(sub + "/a.txt", "old");
  openWith(sub + "/a.txt", {"new"});
  chmod(sub.c_str(), 0555);
  EXPECT_EQ(save(), 1);
  chmod(sub.c_str(), 0755);
  EXPECT_EQ(readBytes(sub + "/a.txt"), "new\r\n");
}

class Backups : public SafeSave {
 protected:
  void SetUp() override { editor.settings.backupPatterns = {"*.txt", "*."}; }
  std::string backupOf(const std::string& name) { return dir / (name + ".BackupVO"); }
};

TEST_F(Backups, TheFirstSaveOfARunKeepsTheOldFile) {
  writeBytes(dir / "a.txt", "original");
  writeBytes(backupOf("a.txt"), "older backup");
  Document& doc = openWith(dir / "a.txt", {"first"});
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(readBytes(backupOf("a.txt")), "original");
  setLines(doc, {"second"});
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(readBytes(backupOf("a.txt")), "original") << "only once per run";
  EXPECT_EQ(readBytes(dir / "a.txt"), "second\r\n");
}

TEST_F(Backups, PatternsChooseTheFiles) {
  for (const char* name : {"a.txt", "noext", "b.log"}) writeBytes(dir / name, "old");
  for (const char* name : {"a.txt", "noext", "b.log"}) {
    openWith(dir / name, {"new"});
    EXPECT_EQ(save(), 1);
  }
  EXPECT_EQ(readBytes(backupOf("a.txt")), "old");
  EXPECT_EQ(readBytes(backupOf("noext")), "old") << "\"*.\" stands for names without extension";
  EXPECT_FALSE(fs::status(backupOf("b.log")));

  editor.settings.backupPatterns.clear();
  editor.settings.backupAll = true;
  writeBytes(dir / "c.log", "old");
  openWith(dir / "c.log", {"new"});
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(readBytes(backupOf("c.log")), "old");
}

TEST_F(Backups, NoBackupForNewReadOnlyOrRenamedSaves) {
  openWith(dir / "fresh.txt", {"new"});
  EXPECT_EQ(save(), 1);
  EXPECT_FALSE(fs::status(backupOf("fresh.txt")));

  writeBytes(dir / "a.txt", "old");
  openWith(dir / "a.txt", {"new"});
  EXPECT_EQ(editor.files.saveCommand(std::vector<std::string>{dir / "b.txt"}, false), 1);
  EXPECT_FALSE(fs::status(backupOf("a.txt")));
  EXPECT_FALSE(fs::status(backupOf("b.txt")));

  writeBytes(dir / "v.txt", "old");
  open(dir / "v.txt", true);
  EXPECT_EQ(editor.files.save(std::nullopt, Compress::FromSetting, false), 1);
  EXPECT_FALSE(fs::status(backupOf("v.txt"))) << "opened read-only: not in the backed-up set";
}

TEST_F(Backups, AHardLinkedFileIsBackedUpFromItsCopy) {
  writeBytes(dir / "a.txt", "original");
  ASSERT_TRUE(fs::hardLink(dir / "a.txt", dir / "b.txt"));
  openWith(dir / "a.txt", {"new"});
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(readBytes(backupOf("a.txt")), "original");
  EXPECT_EQ(readBytes(dir / "b.txt"), "new\r\n");
}

TEST_F(Backups, AFailedSaveMakesNoBackup) {
  writeBytes(dir / "a.txt", "original");
  writeBytes(backupOf("a.txt"), "older backup");
  openWith(dir / "a.txt", bigText());
  EXPECT_EQ(saveWithFileLimit(4096), -2 + 10);
  EXPECT_EQ(readBytes(backupOf("a.txt")), "older backup");
  EXPECT_EQ(readBytes(dir / "a.txt"), "original");
}

}  // namespace
}  // namespace tarn
