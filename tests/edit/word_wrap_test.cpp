// Word wrap while typing (option 4), and reformatting while typing (option 5).
#include "format_fixture.h"

namespace tarn {
namespace {

struct WrapCase {
  std::string name;
  std::vector<std::string> before;
  Margins margins;
  bool reformat;  // option 5
  Pos start;
  std::string typed;
  std::vector<std::string> after;
  Pos end;
};

void PrintTo(const WrapCase& c, std::ostream* out) { *out << c.name; }

class WordWrap : public testing::TestWithParam<WrapCase> {};

TEST_P(WordWrap, Run) {
  const WrapCase& c = GetParam();
  EditFixture f(c.before);
  setMargins(f, c.margins);
  f.setOption(opt::kWordWrap, 1);
  f.setOption(opt::kReformatWhileTyping, c.reformat);
  f.place(c.start);
  f.type(c.typed);
  EXPECT_EQ(f.text(), c.after);
  EXPECT_EQ(f.cursor(), c.end);
  // The wrapping undoes with the typing.
  while (f.send(fn::kUndo)) {
  }
  EXPECT_EQ(f.text(), c.before);
  EXPECT_EQ(f.cursor(), c.start);
  while (f.send(fn::kRedo)) {
  }
  EXPECT_EQ(f.text(), c.after);
  EXPECT_EQ(f.cursor(), c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, WordWrap,
    testing::Values(
        WrapCase{"LastWordMovesToTheLeftMargin", {""}, {1, 20, 1}, false, {1, 0}, "the quick brown fox jumps",
                 {"the quick brown fox", "jumps"}, {2, 5}},
        WrapCase{"NewLineStartsAtTheLeftMargin", {""}, {5, 20, 1}, false, {1, 0}, "the quick brown fox jumps",
                 {"the quick brown fox", "    jumps"}, {2, 9}},
        WrapCase{"AWordMayEndOnTheMargin", {""}, {1, 10, 1}, false, {1, 0}, "aaaa bbbbb", {"aaaa bbbbb"}, {1, 10}},
        WrapCase{"BlankBeyondTheMarginStartsTheNextLine", {""}, {1, 10, 1}, false, {1, 0}, "aaaa bbbbb c",
                 {"aaaa bbbbb", "c"}, {2, 1}},
        WrapCase{"NoWhiteSpaceNoWrap", {""}, {1, 10, 1}, false, {1, 0}, "abcdefghijklmn", {"abcdefghijklmn"},
                 {1, 14}},
        WrapCase{"IndentationIsNoPlaceToBreak", {"      "}, {1, 10, 1}, false, {1, 6}, "abcdefgh",
                 {"      abcdefgh"}, {1, 14}},
        WrapCase{"LineBelowIsLeftAlone", {"aaaa bbbb", "next"}, {1, 10, 1}, false, {1, 9}, "bb",
                 {"aaaa", "bbbbbb", "next"}, {2, 6}},
        WrapCase{"ReformatPullsTheParagraphUp", {"aaa", "bbb ccc"}, {1, 20, 1}, true, {1, 3}, "x",
                 {"aaax bbb ccc"}, {1, 4}},
        WrapCase{"ReformatKeepsATypedBlank", {"aaa", "bbb"}, {1, 20, 1}, true, {1, 3}, " ", {"aaa bbb"}, {1, 4}},
        WrapCase{"ReformatPushesWordsDown", {"aaa bbb", "cc"}, {1, 7, 1}, true, {1, 7}, "x",
                 {"aaa", "bbbx cc"}, {2, 4}},
        WrapCase{"ReformatInsideAParagraphKeepsTheLeftMargin", {"aaa", "  bbb", "  ccc"}, {3, 20, 1}, true,
                 {2, 5}, "x", {"aaa", "  bbbx ccc"}, {2, 6}},
        WrapCase{"ReformatLastShortLineDoesNothing", {"aaa", "bb"}, {1, 20, 1}, true, {2, 2}, "b",
                 {"aaa", "bbb"}, {2, 3}}),
    [](const testing::TestParamInfo<WrapCase>& info) { return info.param.name; });

TEST(WordWrap, CommandLinesAreNotWrapped) {
  EditFixture f({"x"});
  CreateRequest request{nullptr, nullptr};
  f.editor.engine.send(nullptr, msg::kCreate, msg::kCreateCommandLine, reinterpret_cast<intptr_t>(&request));
  Document& commandLine = *request.result;
  setMargins(f, {1, 5, 1});
  commandLine.options[opt::kWordWrap] = 1;
  for (char c : std::string("sort 5 10 d")) f.editor.engine.send(&commandLine, fn::kTypeChar, c);
  EXPECT_EQ(commandLine.first->view(), "sort 5 10 d");
}

}  // namespace
}  // namespace tarn
