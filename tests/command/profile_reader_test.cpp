#include "command/profile_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <vector>

namespace tarn::command {
namespace {

struct Collected {
  ProfileReading reading;
  std::vector<std::pair<std::string, std::string>> lines;  // label, text
};

Collected readText(std::string_view text, std::size_t stopAfter = 1000) {
  Collected out;
  out.reading = readProfileText(text, [&](const ProfileLine& line) {
    out.lines.emplace_back(line.label, line.text);
    return out.lines.size() < stopAfter;
  });
  return out;
}

using Lines = std::vector<std::pair<std::string, std::string>>;

TEST(ProfileReader, LabelsEachLogicalLineWithTheLineItBeganOn) {
  const Collected read = readText("s tabs 9 8\r\n\n* note\nd f5=[bl] \\\n   [ee]\nd f6=[dl]");
  EXPECT_TRUE(read.reading.completed);
  EXPECT_EQ(read.lines, (Lines{{"1:", "s tabs 9 8"},
                               {"2:", ""},
                               {"3:", "* note"},
                               {"4:", "d f5=[bl] [ee]"},
                               {"6:", "d f6=[dl]"}}));
}

TEST(ProfileReader, ContinuationSkipsCommentLinesAndJoinsWithOneBlank) {
  const Collected read = readText("d f5=[bl]   \\\n* left out \\\n\t[ee] \\\n  'x'\n");
  EXPECT_EQ(read.lines, (Lines{{"1:", "d f5=[bl] [ee] 'x'"}}));
  // A continuation at the end of the text ends the line there.
  EXPECT_EQ(readText("d f5=[bl]\\").lines, (Lines{{"1:", "d f5=[bl] "}}));
}

TEST(ProfileReader, StopsAtAJoinedLineOf1022Characters) {
  const std::string first(600, 'a');
  const std::string second(421, 'b');
  Collected read = readText(first + "\\\n" + second + "\nnext\n");
  EXPECT_TRUE(read.lines.empty());
  EXPECT_FALSE(read.reading.completed);
  EXPECT_EQ(read.reading.message, "Macro line 1:\"" + first + " " + second + "\" too long");

  read = readText(first + "\\\n" + second.substr(1) + "\nnext\n");
  EXPECT_EQ(read.lines.size(), 2u);
}

TEST(ProfileReader, StopsAtAPhysicalLineLongerThanItsBuffer) {
  const std::string fits(1022, 'x');
  EXPECT_EQ(readText(fits + "\nnext").lines.size(), 2u);

  const Collected read = readText("first\n" + fits + "y\nnext");
  EXPECT_EQ(read.lines, (Lines{{"1:", "first"}}));
  EXPECT_FALSE(read.reading.completed);
  EXPECT_EQ(read.reading.message, "Error reading line 2:\"" + fits + "\"");
}

TEST(ProfileReader, AHandlerCanStopTheReading) {
  const Collected read = readText("a\nb\nc\n", 2);
  EXPECT_EQ(read.lines.size(), 2u);
  EXPECT_FALSE(read.reading.completed);
  EXPECT_TRUE(read.reading.message.empty());
}

TEST(ProfileReader, ReadsFilesAndReportsAMissingOne) {
  const std::string path = testing::TempDir() + "profile_reader_test.pro";
  std::ofstream(path) << "s insert on\n";
  std::vector<std::string> seen;
  auto handler = [&](const ProfileLine& line) {
    seen.push_back(line.label + line.text);
    return true;
  };
  EXPECT_TRUE(readProfileFile(path, handler).completed);
  EXPECT_EQ(seen, std::vector<std::string>{"1:s insert on"});
  std::remove(path.c_str());

  const ProfileReading missing = readProfileFile(path, handler);
  EXPECT_FALSE(missing.completed);
  EXPECT_EQ(missing.message, "Profile or macro file \"" + path + "\" not found");
}

TEST(ProfileReader, BuiltinTextIsSplitAtLineEndsWithoutLabels) {
  std::vector<std::pair<std::string, std::string>> seen;
  const ProfileReading reading = readBuiltinText("s a\rd b \\\r\nc", [&](const ProfileLine& line) {
    seen.emplace_back(line.label, line.text);
    return true;
  });
  EXPECT_TRUE(reading.completed);
  EXPECT_EQ(seen, (Lines{{"", "s a"}, {"", "d b \\"}, {"", "c"}}));
}

}  // namespace
}  // namespace tarn::command
