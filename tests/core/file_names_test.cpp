#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/binary_signatures.h"
#include "core/file_names.h"
#include "file_fixture.h"

namespace tarn {
namespace {

using testing::TempDir;
using testing::writeBytes;

class FileNames : public ::testing::Test {
 protected:
  void SetUp() override {
    mkdir((dir / "SubDir").c_str(), 0755);
    mkdir((dir / "folder.txt").c_str(), 0755);
    for (const char* name : {"Readme.TXT", "a1.txt", "a2.txt", "b.log", "exact.c", "EXACT.c", "SubDir/Inner.c", "noext"})
      writeBytes(dir / name, "x");
  }

  // The names, relative to the directory; "invalid" when refused.
  std::vector<std::string> expand(const std::string& spec) {
    std::vector<std::string> names;
    if (!expandSpecification(spec, dir.path(), names)) return {"invalid"};
    for (auto& n : names) {
      EXPECT_TRUE(n.starts_with(dir.path() + "/")) << n;
      n.erase(0, dir.path().size() + 1);
    }
    return names;
  }

  TempDir dir;
};

TEST_F(FileNames, Expansion) {
  using V = std::vector<std::string>;
  const std::vector<std::pair<std::string, V>> cases = {
      {"Readme.TXT", {"Readme.TXT"}},
      {"readme.txt", {"Readme.TXT"}},
      {"exact.c", {"exact.c"}},
      {"EXACT.c", {"EXACT.c"}},
      {"Exact.C", {"EXACT.c"}},  // the first entry equal without regard to case
      {"subdir/inner.c", {"SubDir/Inner.c"}},
      {"SUBDIR/new.c", {"SubDir/new.c"}},
      {"subdir/../b.log", {"b.log"}},
      {"./a1.txt", {"a1.txt"}},
      {"new.txt", {"new.txt"}},
      {"a?.txt", {"a1.txt", "a2.txt"}},
      {"A*.TXT", {"a1.txt", "a2.txt"}},
      {"*.log", {"b.log"}},
      {"*.txt", {"Readme.TXT", "a1.txt", "a2.txt"}},  // not the directory
      {"*.*", {"EXACT.c", "Readme.TXT", "a1.txt", "a2.txt", "b.log", "exact.c", "noext"}},
      {"*.zzz", {"invalid"}},
      {"nosuch/x.txt", {"invalid"}},
      {"sub*/inner.c", {"invalid"}},
      {"SubDir", {"invalid"}},
      {"subdir/", {"invalid"}},
      {"", {"invalid"}},
      {".", {"invalid"}},
      {"..", {"invalid"}},
      {"COM1", {"invalid"}},
      {"com1", {"invalid"}},
      {"subdir/Nul", {"invalid"}},
      {"prn", {"invalid"}},
      {"com1.txt", {"com1.txt"}},
      {"com3", {"com3"}},
      {std::string(256, 'n'), {"invalid"}},
      {std::string("a\0b", 3), {"invalid"}},
  };
  for (const auto& [spec, expected] : cases) EXPECT_EQ(expand(spec), expected) << "spec: " << spec;
}

TEST_F(FileNames, AbsoluteSpecificationsIgnoreTheCurrentDirectory) {
  std::vector<std::string> names;
  ASSERT_TRUE(expandSpecification(dir / "subdir/INNER.C", "/nonexistent", names));
  EXPECT_EQ(names, std::vector<std::string>{dir / "SubDir/Inner.c"});
}

TEST(BinarySignatures, ExtensionAndFirstBytes) {
  EXPECT_TRUE(isRefusedBinary("/x/pic.bmp", "BM\x36"));
  EXPECT_TRUE(isRefusedBinary("/x/PIC.BMP", "BM"));
  EXPECT_FALSE(isRefusedBinary("/x/pic.bmp", "text"));
  EXPECT_FALSE(isRefusedBinary("/x/pic.txt", "BM"));
  EXPECT_TRUE(isRefusedBinary("prog.exe", "MZ"));
  EXPECT_TRUE(isRefusedBinary("a.jpg", "\xFF\xD8\xFF"));
  EXPECT_TRUE(isRefusedBinary("a.xls", "\xD0\xCF"));
  EXPECT_FALSE(isRefusedBinary("a.exe", "M"));
  EXPECT_FALSE(isRefusedBinary("exe", "MZ")) << "no extension";
}

}  // namespace
}  // namespace tarn
