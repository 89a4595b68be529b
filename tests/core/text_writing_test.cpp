#include <gtest/gtest.h>

#include "core/encrypted_format.h"
#include "core/settings.h"
#include "core/text_writer.h"
#include "file_fixture.h"
#include "platform/file_system.h"

namespace tarn {
namespace {

using testing::readBytes;
using testing::setLines;
using testing::TempDir;
using testing::textLines;

struct EncodeCase {
  const char* what;
  std::string line;
  std::string bytes;
  WriteRules rules = {};
};

WriteRules compressing(int lineEnd = 0) {
  WriteRules r;
  r.compressBlanks = true;
  r.lineEnd = lineEnd;
  return r;
}

TEST(TextWriting, LinesBecomeBytes) {
  WriteRules cr, lf, none, quotes = compressing(), tabFour = compressing();
  cr.lineEnd = lineend::kCr;
  lf.lineEnd = lineend::kLf;
  none.lineEnd = lineend::kNone;
  quotes.stopAtQuote = true;
  tabFour.tabExpand = 4;
  const std::vector<EncodeCase> cases = {
      {"CR LF", "a", "a\r\n"},
      {"CR only", "a", "a\r", cr},
      {"LF only", "a", "a\n", lf},
      {"no line end", "a", "a", none},
      {"blanks kept without compression", "        x", "        x\r\n"},
      {"eight blanks to a tab", "        x", "\tx\r\n", compressing()},
      {"a run ending on a stop", "abcdef  x", "abcdef\tx\r\n", compressing()},
      {"one blank before a stop stays", "abcdefg x", "abcdefg x\r\n", compressing()},
      {"runs split at every stop", std::string(20, ' ') + "x", "\t\t    x\r\n", compressing()},
      {"run not reaching a stop", "ab   x", "ab   x\r\n", compressing()},
      {"run across a stop", "abcdef    x", "abcdef\t  x\r\n", compressing()},
      {"trailing run on a stop", "abcdef  ", "abcdef\t\r\n", compressing()},
      {"a kept tab moves to its stop", "a\t        x", "a\t\tx\r\n", compressing()},
      {"tab width 4", "    a   b", "\ta\tb\r\n", tabFour},
      {"quote stops compression", "        '        x", "\t'        x\r\n", quotes},
      {"double quote too", "a\"       b", "a\"       b\r\n", quotes},
      {"quotes ignored without vocompatibility", "'       x", "'\tx\r\n", compressing()},
  };
  for (const auto& c : cases) {
    std::string out;
    encodeLine(c.line, c.rules, c.rules.lineEnd, out);
    EXPECT_EQ(out, c.bytes) << c.what;
  }
}

class DocumentWriting : public ::testing::Test {
 protected:
  std::string write(const std::vector<std::string>& lines, const WriteRules& rules, bool append = false) {
    setLines(*doc, lines);
    std::string path = dir / "out.txt";
    fs::File file = fs::File::openAppend(path);
    EXPECT_TRUE(writeDocument(*doc, rules, append, file));
    file.close();
    std::string bytes = readBytes(path);
    fs::remove(path);
    return bytes;
  }

  Engine engine;
  Document* doc = [this] {
    CreateRequest request{nullptr, nullptr};
    engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
    return request.result;
  }();
  TempDir dir;
};

TEST_F(DocumentWriting, EofByteOnlyForPlainWholeFiles) {
  WriteRules eof;
  eof.eofMark = true;
  EXPECT_EQ(write({"a", "b"}, eof), "a\r\nb\r\n\x1A");
  EXPECT_EQ(write({"a"}, eof, true), "a\r\n") << "not when appending";
  std::string password = "pw";
  eof.password = &password;
  EXPECT_EQ(write({""}, eof), std::string(kEncryptedHeader) + "\r\n") << "not when encrypted";
}

TEST_F(DocumentWriting, TrimChangesTheStoredLinesUnlessAppending) {
  WriteRules trimming;
  trimming.lineTrim = trim::kLeading | trim::kTrailing;
  EXPECT_EQ(write({"  a  ", "b "}, trimming), "a\r\nb\r\n");
  EXPECT_EQ(textLines(*doc), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(doc->firstText()->text[1], '\0');
  EXPECT_EQ(write({"  a  "}, trimming, true), "  a  \r\n");
  EXPECT_EQ(textLines(*doc), std::vector<std::string>{"  a  "});
}

TEST_F(DocumentWriting, LongLinesPassTheBuffer) {
  std::vector<std::string> lines = {std::string(10000, 'x'), "y", std::string(4094, 'z')};
  std::string expected;
  for (const auto& l : lines) expected += l + "\r\n";
  EXPECT_EQ(write(lines, {}), expected);
}

}  // namespace
}  // namespace tarn
