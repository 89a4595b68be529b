#include "command/function_string.h"
#include "command/function_table.h"

#include <gtest/gtest.h>

#include "command/command_words.h"

namespace tarn::command {
namespace {

using K = StringPiece::Kind;

std::string describe(const std::vector<StringPiece>& pieces) {
  std::string out;
  for (const auto& p : pieces) {
    switch (p.kind) {
      case K::Segment: out += "S(" + p.text + ")"; break;
      case K::Literal: out += "L(" + p.text + ")"; break;
      case K::Bracket: out += "B(" + p.text + ")"; break;
      case K::LoopOpen: out += "{"; break;
      case K::LoopClose: out += "}"; break;
    }
  }
  return out;
}

TEST(FunctionString, CutsIntoPieces) {
  struct Case {
    const char* text;
    const char* pieces;
  } cases[] = {
      {"[cc][bl][ee]'save'", "B([cc])B([bl])B([ee])L(save)"},
      {"{l/x/ [dl]}", "{S(l/x/ )B([dl])}"},
      {"{[down]", "{B([down])"},
      {"c/{/}/*", "S(c/{/}/*)"},
      {"c/{/[/", "S(c/{/[/)"},
      {"l /a'b/ [bl]", "S(l /a'b/ )B([bl])"},
      {"change !{!}! [bl]", "S(change !{!}! )B([bl])"},
      {"line 5'x'", "S(line 5)L(x)"},
      {"[/abc/]", "B([l/abc/])"},
      {"[fm] 'x' [bl]", "B([fm 'x'])B([bl])"},
      {"[bookmark set]'a'", "B([bookmark set 'a'])"},
      {"[\"set margins 1 10 1\"]", "B([ set margins 1 10 1 ])"},
      {"[\"d f5=[bl]\"]", "B([ d f5=[bl] ])"},
      {"edit \"my file.txt\" [bl]", "S(edit \"my file.txt\" )B([bl])"},
      {"'unterminated", "L(unterminated)"},
      {"   ", ""},
      {"set margins 1 10 1 [bl]", "S(set margins 1 10 1 [bl])"},
      {"  d f5=[bl]", "S(d f5=[bl])"},
      {"help [bl", "S(help [bl)"},
  };
  for (const auto& c : cases) EXPECT_EQ(describe(cutFunctionString(c.text, FunctionTable())), c.pieces) << c.text;
}

TEST(FunctionString, LongSegmentsAreCut) {
  std::string text = "x" + std::string(2000, 'a');
  auto pieces = cutFunctionString(text, FunctionTable());
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].text.size(), kLongestSegment);
}

TEST(CommandWords, SplitsTypedCommands) {
  struct Case {
    const char* text;
    const char* word;
    const char* rest;
    std::vector<std::string> args;
  } cases[] = {
      {"edit a.txt r", "edit", "a.txt r", {"a.txt", "r"}},
      {"  quit all y", "quit", "all y", {"all", "y"}},
      {"l/abc/", "l", "/abc/", {"/abc/"}},
      {"c /a b/c/", "c", "/a b/c/", {"/a", "b/c/"}},
      {"cd/tmp", "cd", "/tmp", {"/tmp"}},
      {"save \"my file\" notabs", "save", "\"my file\" notabs", {"my file", "notabs"}},
  };
  for (const auto& c : cases) {
    auto w = splitTypedCommand(c.text, FunctionTable());
    EXPECT_EQ(w.word, c.word) << c.text;
    EXPECT_EQ(w.rest, c.rest) << c.text;
    EXPECT_EQ(w.args, c.args) << c.text;
  }
}

}  // namespace
}  // namespace tarn::command
