// `append`: marked text written at the end of a file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "edit/append_to_file.h"
#include "edit/marked_text.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(AppendToFile, MarkedTextGoesAtTheEndWithTheHoldersLineEnds) {
  fs::path dir = fs::temp_directory_path() / ("tarn-append-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::string file = (dir / "log.txt").string();
  std::ofstream(file, std::ios::binary) << "old\r\n";
  EditFixture f({""});

  MarkedText lines{f.doc, bufferkind::kMarkedLines, {"one", "two"}, true};
  ASSERT_TRUE(appendToFile(f.editor, lines, file));
  EXPECT_EQ(contents(file), "old\r\none\r\ntwo\r\n");
  f.doc->options[opt::kLineEnd] = lineend::kLf;
  MarkedText characters{f.doc, bufferkind::kCharacters, {"piece"}, true};
  ASSERT_TRUE(appendToFile(f.editor, characters, file));
  EXPECT_EQ(contents(file), "old\r\none\r\ntwo\r\npiece\n");
  // A file that is not there yet is made.
  ASSERT_TRUE(appendToFile(f.editor, characters, (dir / "new.txt").string()));
  EXPECT_EQ(contents(dir / "new.txt"), "piece\n");

  EXPECT_FALSE(appendToFile(f.editor, characters, (dir / "no-such-dir" / "x.txt").string()));
  EXPECT_EQ(f.editor.screen.lastMessage(), "Error writing file!");
  EXPECT_FALSE(appendMarkToFile(f.editor, ""));
  EXPECT_FALSE(appendMarkToFile(f.editor, file));  // nothing marked: nothing happens
  EXPECT_EQ(contents(file), "old\r\none\r\ntwo\r\npiece\n");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tarn
