#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/directories.h"

namespace tarn {
namespace {

namespace stdfs = std::filesystem;

TEST(RunDirectories, ThoseOfCrashedRunsAreRemovedAtTheNextStart) {
  std::string base = (stdfs::temp_directory_path() / "tarn-runs-XXXXXX").string();
  ASSERT_NE(mkdtemp(base.data()), nullptr);
  const char* saved = getenv("TMPDIR");
  std::string before = saved ? saved : "";
  setenv("TMPDIR", base.c_str(), 1);

  RunDirectory running = makePrivateTemporaryDirectory();
  RunDirectory crashed = makePrivateTemporaryDirectory();
  RunDirectory starting = makePrivateTemporaryDirectory();
  ASSERT_FALSE(crashed.path.empty());
  EXPECT_EQ(stdfs::status(crashed.path).permissions(), stdfs::perms::owner_all);
  std::ofstream(crashed.path + "/copy.txt") << "x";
  crashed.lock = {};
  starting.lock = {};  // made a moment ago: its run may not have locked it yet
  const std::string other = base + "/tarnedit-1000";  // not a run's directory
  stdfs::create_directory(other);
  auto hourAgo = stdfs::file_time_type::clock::now() - std::chrono::hours(1);
  for (const std::string& dir : {running.path, crashed.path, other}) stdfs::last_write_time(dir, hourAgo);

  removeAbandonedTemporaryDirectories();
  EXPECT_TRUE(stdfs::exists(running.path));
  EXPECT_FALSE(stdfs::exists(crashed.path));
  EXPECT_TRUE(stdfs::exists(starting.path));
  EXPECT_TRUE(stdfs::exists(other));

  if (saved) setenv("TMPDIR", before.c_str(), 1);
  else unsetenv("TMPDIR");
  stdfs::remove_all(base);
}

}  // namespace
}  // namespace tarn
