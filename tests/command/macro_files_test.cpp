#include "command/macro_files.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/engine_types.h"
#include "core/function_codes.h"

namespace tarn {

inline bool operator==(const RecordedCall& a, const RecordedCall& b) {
  return a.code == b.code && a.arg1 == b.arg1 && a.arg2 == b.arg2 && a.repeat == b.repeat;
}

inline std::ostream& operator<<(std::ostream& out, const RecordedCall& c) {
  return out << "{0x" << std::hex << c.code << std::dec << ", " << c.arg1 << ", " << c.arg2 << ", " << c.repeat << "}";
}

namespace command {
namespace {

RecordedCall typed(char c) { return {fn::kTypeChar, static_cast<unsigned char>(c), 0, 1}; }
RecordedCall call(int code, intptr_t arg1 = 0, int repeat = 1) { return {code, arg1, 0, repeat}; }

TEST(MacroFiles, WritesFunctionsByNameAndTypedCharactersQuoted) {
  struct Case {
    std::string_view name;
    std::vector<RecordedCall> calls;
    bool abbreviated;
    std::string_view text;
  };
  const Case cases[] = {
      {"characters", {typed('a'), call(msg::kChar, 'b')}, true, "'a''b'\n"},
      {"a quote and control characters by number", {typed('\''), typed('\t'), call(msg::kChar, '\r')}, true,
       "[39][9][13]\n"},
      {"the tab and backspace messages", {call(msg::kChar, '\t'), call(msg::kChar, '\b')}, true, "[tb]\n"},
      {"names follow abbrev", {call(fn::kBeginLine), call(fn::kEndLine)}, false, "[begin line][end line]\n"},
      {"a count, a column, a join", {call(fn::kLeft, 0, 40), call(fn::kColumn, 8), call(fn::kDeleteChar, 1)}, true,
       "[lf 40][column 9][dc 1]\n"},
      {"quoted characters of functions", {call(fn::kBookmarkSet, 'a'), call(fn::kFillMark, ']')}, true,
       "[bookmark set 'a'][fm ']']\n"},
      {"key and mouse messages are left out", {call(msg::kKeyDown, 'X'), call(msg::kLeftDown, 3), typed('x')}, true,
       "'x'\n"},
      {"nothing", {}, true, ""},
  };
  FunctionTable functions;
  for (const Case& c : cases) EXPECT_EQ(macroText(c.calls, functions, c.abbreviated), c.text) << c.name;
}

TEST(MacroFiles, ALineEndsAfterTheItemThatPassesSeventyFiveCharacters) {
  FunctionTable functions;
  std::string first;
  for (int i = 0; i < 26; ++i) first += "'x'";  // 78 characters
  EXPECT_EQ(macroText(std::vector<RecordedCall>(30, typed('x')), functions, true), first + "\n'x''x''x''x'\n");
}

TEST(MacroFiles, ReadsQuotedRunsAndBrackets) {
  struct Case {
    std::string_view name;
    std::string_view text;
    std::vector<RecordedCall> calls;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"a quoted run", "'ab c'", {typed('a'), typed('b'), typed(' '), typed('c')}, {}},
      {"names in any case, numbers, blanks between", " [BL] x [65]\r\n[begin line]",
       {call(fn::kBeginLine), typed('A'), call(fn::kBeginLine)}, {}},
      {"counts, columns, quoted characters", "[left 3][column 9][bookmark set 'a'][fm ']']",
       {call(fn::kLeft, 3, 3), call(fn::kColumn, 8), call(fn::kBookmarkSet, 'a'), call(fn::kFillMark, ']')}, {}},
      {"a quote left open runs to the line end", "'ab\n'c'", {typed('a'), typed('b'), typed('c')}, {}},
      {"commands of the editor give no call", "[save]'x'[split screen]", {typed('x')}, {}},
      {"an unknown name ends its line, named by its own number", "'a'\n'b'[nosuch]'c'\n'd'",
       {typed('a'), typed('b'), typed('d')},
       {"Unknown command \"nosuch\" in line 2:\"'b'[nosuch]'c'\""}},
      {"a number beyond a character", "[256]", {}, {"Unknown command \"256\" in line 1:\"[256]\""}},
  };
  FunctionTable functions;
  for (const Case& c : cases) {
    LoadedMacro loaded = readMacroText(c.text, functions);
    EXPECT_EQ(loaded.calls, c.calls) << c.name;
    EXPECT_EQ(loaded.messages, c.messages) << c.name;
  }
}

// What is written reads back as the calls that were recorded, in the form
// the command language gives them.
TEST(MacroFiles, WrittenTextReadsBackAsTheSameCalls) {
  FunctionTable functions;
  std::vector<RecordedCall> calls = {typed('H'), typed('\''), typed('\r'), call(fn::kBeginLine),
                                     call(fn::kDeleteLine, 3, 3), call(fn::kColumn, 4), call(fn::kBookmarkGoto, 'z'),
                                     typed(']'), typed('['), call(fn::kFillMark, '\'')};
  for (int i = 0; i < 40; ++i) calls.push_back(typed(static_cast<char>('a' + i % 26)));
  for (bool abbreviated : {true, false}) {
    LoadedMacro loaded = readMacroText(macroText(calls, functions, abbreviated), functions);
    EXPECT_EQ(loaded.calls, calls) << abbreviated;
    EXPECT_TRUE(loaded.messages.empty());
  }
}

}  // namespace
}  // namespace command
}  // namespace tarn
