// Files read and written with their own line ends (`keeplineends`): the
// document takes the most common end, each other line keeps its own, and a
// file comes back byte for byte.
#include <gtest/gtest.h>

#include "core/document.h"
#include "core/line_ends.h"
#include "core/text_reader.h"
#include "core/text_writer.h"
#include "file_fixture.h"
#include "platform/file_system.h"

namespace tarn {
namespace {

using testing::readBytes;
using testing::TempDir;

constexpr int CRLF = lineend::kCrLf, CR = lineend::kCr, LF = lineend::kLf, NONE = lineend::kNone;

class KeptLineEnds : public ::testing::Test {
 protected:
  // Reads bytes into a fresh document whose line end before reading is lineEnd.
  Document& read(std::string_view bytes, bool detect = true, int lineEnd = LF) {
    CreateRequest request{nullptr, nullptr};
    engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
    Document& doc = *request.result;
    doc.freeLines();
    doc.options[opt::kLineEnd] = lineEnd;
    ReadRules rules = ReadRules::of(doc, 8, 0);
    rules.keepTabs = true;
    rules.detectLineEnd = detect;
    TextReader reader(doc, rules);
    reader.feed(bytes);
    reader.finish();
    doc.addSentinels();
    return doc;
  }

  std::vector<int> ownEnds(const Document& doc) {
    std::vector<int> ends;
    for (Line* line = doc.firstText(); line != doc.last; line = line->next())
      ends.push_back(ownLineEnd(line->flags, doc.option(opt::kLineEnd)));
    return ends;
  }

  std::string write(Document& doc, bool keep = true) {
    WriteRules rules = WriteRules::of(doc, 8, 0);
    rules.keepLineEnds = keep;
    std::string path = dir / "out.txt";
    fs::File file = fs::File::openAppend(path);
    EXPECT_TRUE(writeDocument(doc, rules, false, file));
    file.close();
    std::string bytes = readBytes(path);
    fs::remove(path);
    return bytes;
  }

  Engine engine;
  TempDir dir;
};

TEST_F(KeptLineEnds, TheDocumentTakesTheMostCommonEndAndLinesKeepTheirOwn) {
  struct Case {
    const char* what;
    std::string bytes;
    int documentEnd;
    std::vector<int> ends;
  };
  const std::vector<Case> cases = {
      {"CR LF file", "a\r\nb\r\n", CRLF, {CRLF, CRLF}},
      {"LF file without a final end", "a\nb", LF, {LF, NONE}},
      {"CR file", "a\rb\r", CR, {CR, CR}},
      {"mixed: CR LF most", "a\r\nb\nc\rd\r\ne", CRLF, {CRLF, LF, CR, CRLF, NONE}},
      {"the first line's end is not the most common", "a\nb\r\nc\r\n", CRLF, {LF, CRLF, CRLF}},
      {"a tie goes to the first line's end", "a\r\nb\n", CRLF, {CRLF, LF}},
      {"no line end: the document's stays", "x", LF, {NONE}},
      {"an empty file stays empty", "", LF, {NONE}},
  };
  for (const Case& c : cases) {
    Document& doc = read(c.bytes);
    EXPECT_EQ(doc.option(opt::kLineEnd), c.documentEnd) << c.what;
    EXPECT_EQ(ownEnds(doc), c.ends) << c.what;
    EXPECT_EQ(write(doc), c.bytes) << c.what << " comes back byte for byte";
  }
}

TEST_F(KeptLineEnds, WithoutDetectionOnlyCrLfLinesAreFlagged) {
  Document& doc = read("a\r\nb\rc", false, LF);
  EXPECT_EQ(doc.option(opt::kLineEnd), LF);
  EXPECT_EQ(ownEnds(doc), (std::vector<int>{CRLF, LF, LF}));
  EXPECT_EQ(write(doc, false), "a\nb\nc\n") << "the document's line end everywhere";
  EXPECT_EQ(write(doc), "a\r\nb\nc\n") << "CR LF lines keep theirs when saved keeping line ends";
}

TEST_F(KeptLineEnds, LinesAddedAfterALastLineWithoutEndGetTheDocumentsEnd) {
  Document& doc = read("a\r\nb");
  doc.current = doc.lastText();
  doc.insertAfterCurrent(makeLine("c"));
  EXPECT_EQ(write(doc), "a\r\nb\r\nc\r\n");
}

}  // namespace
}  // namespace tarn
