#include <gtest/gtest.h>

#include "core/document.h"
#include "core/settings.h"
#include "core/text_reader.h"
#include "file_fixture.h"

namespace tarn {
namespace {

using testing::textLines;

struct ReadCase {
  const char* what;
  std::string bytes;
  std::vector<std::string> lines;
  ReadRules rules = {};
};

std::vector<ReadCase> readCases() {
  ReadRules keepTabs;
  keepTabs.keepTabs = true;
  ReadRules strip;
  strip.stripEighthBit = true;
  ReadRules tabFour;
  tabFour.tabExpand = 4;
  ReadRules shortLines;
  shortLines.longestLine = 6;  // cut at 5 characters
  ReadRules leading, trailing, squeeze, allTrims;
  leading.lineTrim = trim::kLeading;
  trailing.lineTrim = trim::kTrailing;
  squeeze.lineTrim = trim::kCompress;
  allTrims.lineTrim = trim::kLeading | trim::kTrailing | trim::kCompress;
  return {
      {"CR LF is one line end", "a\r\nb", {"a", "b"}},
      {"LF CR is two", "a\n\rb", {"a", "", "b"}},
      {"a final CR LF adds no line", "a\r\n", {"a"}},
      {"lone CR and LF end lines", "a\rb\nc", {"a", "b", "c"}},
      {"empty file", "", {""}},
      {"only a line end", "\r\n", {""}},
      {"blank lines kept", "a\n\n\nb\n", {"a", "", "", "b"}},
      {"NUL dropped", std::string("a\0b\0\r\n\0", 8), {"ab"}},
      {"0xFF is a character", "\xFF\xFE", {"\xFF\xFE"}},
      {"tab at column 0", "\tx", {"        x"}},
      {"tab after two", "ab\tc", {"ab      c"}},
      {"tab on a stop", "abcdefgh\tx", {"abcdefgh        x"}},
      {"tab width 4", "a\tb\tc", {"a   b   c"}, tabFour},
      {"tab kept", "a\tb", {"a\tb"}, keepTabs},
      {"eighth bit stripped", "\xC1\xE2\x8D\x8A" "c", {"Ab", "c"}, strip},
      {"Ctrl-Z line ends the file", "a\r\n\x1Arest\r\nmore", {"a"}},
      {"Ctrl-Z first", "\x1A" "abc", {""}},
      {"Ctrl-Z inside a line", "a\x1A" "b", {"a\x1A" "b"}},
      {"long line cut", "abcdefghijkl", {"abcde", "fghij", "kl"}, shortLines},
      {"line of exactly the limit", "abcde\r\nx", {"abcde", "x"}, shortLines},
      {"tab fill cut too", "ab\tc", {"ab   ", "   c"}, shortLines},
      {"trim leading", "  a  b  ", {"a  b  "}, leading},
      {"trim trailing", "  a  b  ", {"  a  b"}, trailing},
      {"squeeze keeps the indent", "  a  b   c ", {"  a b c "}, squeeze},
      {"all trims", "   a    b  \n  \n", {"a b", ""}, allTrims},
  };
}

Document* readInto(Engine& engine, const ReadCase& c, size_t blockSize) {
  CreateRequest request{nullptr, nullptr};
  engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
  Document* doc = request.result;
  doc->freeLines();
  TextReader reader(*doc, c.rules);
  std::string_view rest = c.bytes;
  while (!rest.empty() && reader.feed(rest.substr(0, blockSize))) rest.remove_prefix(std::min(blockSize, rest.size()));
  reader.finish();
  doc->addSentinels();
  return doc;
}

TEST(TextReading, BytesBecomeLines) {
  Engine engine;
  for (const auto& c : readCases()) {
    EXPECT_EQ(textLines(*readInto(engine, c, 4096)), c.lines) << c.what;
    // Block boundaries fall anywhere, also between CR and LF.
    EXPECT_EQ(textLines(*readInto(engine, c, 1)), c.lines) << c.what << " (byte by byte)";
  }
}

TEST(TextReading, LineFlags) {
  Engine engine;
  ReadRules lfFile;
  lfFile.lineEnd = lineend::kLf;
  Document* doc = readInto(engine, {"", "a\r\nb\nc\r", {}, lfFile}, 4096);
  Line* a = doc->firstText();
  EXPECT_EQ(a->flags, lineflag::kEndedCrLf);
  EXPECT_EQ(a->next()->flags, 0);
  EXPECT_EQ(a->next()->next()->flags, 0);

  doc = readInto(engine, {"", "a\r\nb", {}, {}}, 4096);
  EXPECT_EQ(doc->firstText()->flags, 0) << "CR LF is the document's own line end";

  ReadRules keepTabs;
  keepTabs.keepTabs = true;
  doc = readInto(engine, {"", "a\tb\nc", {}, keepTabs}, 4096);
  EXPECT_EQ(doc->firstText()->flags, lineflag::kHasTab);
  EXPECT_EQ(doc->firstText()->next()->flags, 0);
}

TEST(TextReading, TabBeyondTheLastStopFillsOneColumn) {
  Engine engine;
  std::string longLine(2045, 'x');
  Document* doc = readInto(engine, {"", longLine + "\ty", {}, {}}, 4096);
  EXPECT_EQ(textLines(*doc), std::vector<std::string>{longLine + " y"});
  doc = readInto(engine, {"", std::string(2037, 'x') + "\ty", {}, {}}, 4096);
  EXPECT_EQ(doc->firstText()->length, 2041u) << "the stop at 2040 still counts";
}

TEST(TextReading, CapacityFollowsTheLineRule) {
  Engine engine;
  Document* doc = readInto(engine, {"", "abcdefgh\nabc\n", {}, {}}, 4096);
  EXPECT_EQ(doc->firstText()->capacity(), 12u);
  EXPECT_EQ(doc->firstText()->next()->capacity(), 4u);
  EXPECT_EQ(doc->longestLine, 8u);
}

}  // namespace
}  // namespace tarn
