#include <gtest/gtest.h>

#include "core/word_separators.h"

namespace tarn {
namespace {

std::string separators(const WordSeparators& table) {
  std::string bytes;
  for (int b = 0; b < 256; ++b)
    if (table.isSeparator(static_cast<unsigned char>(b))) bytes += static_cast<char>(b);
  return bytes;
}

TEST(WordSeparators, DefaultIsWhiteSpace) {
  WordSeparators table;
  EXPECT_EQ(separators(table), std::string("\t\n\r "));
}

TEST(WordSeparators, RebuildReadsEscapes) {
  struct Case {
    const char* value;
    std::string expected;  // in byte order
  };
  for (const Case& c : {Case{",;", ",;"}, Case{"\"., \"", " ,."}, Case{"\\t\\\\\\\"", "\t\"\\"},
                        Case{"\\a\\b\\f\\n\\r\\v", "\a\b\n\v\f\r"}, Case{"\\65\\0669", "9AB"},
                        Case{"\\255", "\xFF"}, Case{"\\0", std::string(1, '\0')}, Case{"\"", "\""},
                        Case{"", ""}}) {
    WordSeparators table;
    ASSERT_TRUE(table.rebuild(c.value)) << c.value;
    EXPECT_EQ(separators(table), c.expected) << c.value;
  }
}

TEST(WordSeparators, BadValueLeavesTheTable) {
  for (const char* bad : {"a\\", "\\q", "\\256", "x\\999"}) {
    WordSeparators table;
    table.rebuild(",");
    EXPECT_FALSE(table.rebuild(bad)) << bad;
    EXPECT_EQ(separators(table), ",") << bad;
  }
}

TEST(WordSeparators, OppositeModeListsTheWordBytes) {
  WordSeparators table;
  ASSERT_TRUE(table.rebuild("abc", true));
  EXPECT_FALSE(table.isSeparator('a'));
  EXPECT_FALSE(table.isSeparator('c'));
  EXPECT_TRUE(table.isSeparator('d'));
  EXPECT_TRUE(table.isSeparator(' '));
  EXPECT_EQ(separators(table).size(), 253u);
}

TEST(WordSeparators, ListedFormReadsBackToTheSameTable) {
  for (const char* value : {"", ",.;", "\\1\\2\\51\\52x\\n\\\"\\\\", "\\200\\255 09", "\\0019"}) {
    WordSeparators table;
    ASSERT_TRUE(table.rebuild(value));
    WordSeparators again;
    ASSERT_TRUE(again.rebuild(table.listed())) << table.listed();
    EXPECT_EQ(separators(again), separators(table)) << value;
  }
  WordSeparators defaults;
  EXPECT_EQ(defaults.listed(), "\\t\\n\\r ");
}

}  // namespace
}  // namespace tarn
