// Locate and change expressions: the pieces, and the option letters with
// their defaults.
#include "command/search_expression.h"

#include <gtest/gtest.h>

#include "core/search_request.h"

namespace tarn::command {
namespace {

TEST(SearchExpression, Pieces) {
  struct Case {
    const char* rest;
    bool change;
    const char* text;
    std::optional<std::string> replacement;
    const char* letters;
  };
  for (const Case& c : {
           Case{"/abc/", false, "abc", std::nullopt, ""},
           Case{"  /abc/ -e", false, "abc", std::nullopt, " -e"},
           Case{"/abc", false, "abc", std::nullopt, ""},  // no closing delimiter
           Case{"!a/b!x", false, "a/b", std::nullopt, "x"},
           Case{"abc", false, "abc", std::nullopt, ""},  // a letter is no delimiter
           Case{"", false, "", std::nullopt, ""},
           Case{"/old/new/*", true, "old", "new", "*"},
           Case{"/old//", true, "old", "", ""},         // an empty new text
           Case{"/old/", true, "old", std::nullopt, ""},  // no new text
           Case{"/old/new", true, "old", "new", ""},
           Case{"/{/[/", true, "{", "[", ""},
           Case{"//x/", true, "", "x", ""},
       }) {
    SearchExpression e = parseExpression(c.rest, c.change);
    EXPECT_EQ(e.text, c.text) << c.rest;
    EXPECT_EQ(e.replacement, c.replacement) << c.rest;
    EXPECT_EQ(e.letters, c.letters) << c.rest;
  }
}

TEST(SearchExpression, DefaultsAndLettersFlipEachOther) {
  EXPECT_TRUE(resolveSwitches("", "E", false).exactCase);
  EXPECT_FALSE(resolveSwitches("e", "e", false).exactCase);
  EXPECT_TRUE(resolveSwitches("e", "", false).exactCase);
  EXPECT_TRUE(resolveSwitches("", "ee", false).exactCase) << "a letter flips once however often it is given";
  SearchSwitches all = resolveSwitches("", "-exwmnaoo*#htbcislfrg", false);
  EXPECT_TRUE(all.backward && all.pattern && all.wholeWords && all.insideMark && all.outsideMark &&
              all.allWindows && all.fromTop && all.allOccurrences && all.count && all.middle && all.topRow &&
              all.bottomRow && all.stayOnCommandLine && all.ignoreFailure && all.select && all.list &&
              all.foundFile && all.removeLines && all.highlight);
  // Letters of the other command are not options here.
  EXPECT_FALSE(resolveSwitches("", "p", false).prompt);
  EXPECT_TRUE(resolveSwitches("", "p", true).prompt);
  EXPECT_FALSE(resolveSwitches("", "slfrg", true).select);
  EXPECT_FALSE(resolveSwitches("", "l", true).list);
}

TEST(SearchExpression, EngineBits) {
  using namespace searchbit;
  EXPECT_EQ(resolveSwitches("", "", false).engineBits(), kIgnoreCase | kPlainText);
  EXPECT_EQ(resolveSwitches("", "ex", false).engineBits(), 0u);
  EXPECT_EQ(resolveSwitches("", "swmn", false).engineBits(),
            kIgnoreCase | kPlainText | kSelect | kWholeWord | kInsideMark | kOutsideMark);
  EXPECT_EQ(resolveSwitches("", "p*", true).engineBits(), kIgnoreCase | kPlainText | kPrompt | kChangeAll);
}

}  // namespace
}  // namespace tarn::command
