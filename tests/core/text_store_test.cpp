#include <gtest/gtest.h>

#include "core/document.h"
#include "core/engine.h"
#include "core/exceptions.h"
#include "core/function_codes.h"

namespace tarn {
namespace {

Document* create(Engine& engine, int bits, const char* name = nullptr) {
  CreateRequest request{name, nullptr};
  EXPECT_NE(engine.send(nullptr, msg::kCreate, bits, reinterpret_cast<intptr_t>(&request)), 0);
  return request.result;
}

TEST(TextStore, NewFileDocumentHasOneEmptyLineBetweenSentinels) {
  Engine engine;
  Document* doc = create(engine, 0);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->lineCount, 3);
  EXPECT_EQ(doc->textLineCount(), 1);
  EXPECT_EQ(doc->name, "Untitled");
  EXPECT_EQ(doc->current, doc->first);
  EXPECT_EQ(doc->currentLineNumber, LineIndex(1));
  EXPECT_EQ(doc->first->view(), "\xCD\xCD\xCD Top of file \xCD\xCD\xCD");
  EXPECT_EQ(doc->last->view(), "\xCD\xCD\xCD Bottom of file \xCD\xCD\xCD");
  EXPECT_EQ(doc->first->next()->length, 0u);
}

TEST(TextStore, CommandLineDocumentIsOneLineWithoutSentinels) {
  Engine engine;
  Document* doc = create(engine, msg::kCreateCommandLine);
  EXPECT_EQ(doc->lineCount, 1);
  EXPECT_EQ(doc->first, doc->last);
  EXPECT_EQ(doc->first, doc->current);
  EXPECT_TRUE(doc->isCommandLine());
}

TEST(TextStore, DocumentIdsCountFromOneAndAreFound) {
  Engine engine;
  Document* a = create(engine, 0);
  Document* b = create(engine, msg::kCreateReadOnly);
  EXPECT_EQ(a->id, 1);
  EXPECT_EQ(b->id, 2);
  EXPECT_TRUE(b->isReadOnly());
  EXPECT_EQ(engine.find(2), b);
  engine.send(a, msg::kDestroy);
  EXPECT_EQ(engine.find(1), nullptr);
}

}  // namespace
}  // namespace tarn

namespace tarn {
namespace {

class RecordingHost : public EngineHost {
 public:
  void windowChanged(Document&, bool) override {}
  void statusChanged(Document&) override {}
  void updatesResumed(Document&) override {}
  void takeFocus(Document&) override {}
  void reportError(std::string_view text) override { errors.emplace_back(text); }
  std::vector<std::string> errors;
};

int throwsFileError(EngineCall&) { throw FileException("disk"); }
int throwsLogicError(EngineCall&) { throw std::logic_error("bug"); }
int throwsNumber(EngineCall&) { throw 7; }
int succeeds(EngineCall&) { return 5; }

constexpr EditFunction kRegistry[] = {
    {0x930, editclass::kChange, throwsFileError},
    {0x931, editclass::kChange, throwsLogicError},
    {0x932, editclass::kChange, throwsNumber},
    {0x933, editclass::kInternal, succeeds},
};

TEST(EngineEntry, AnExceptionInAFunctionIsReportedAndTheMessageReturnsZero) {
  Engine engine;
  RecordingHost host;
  engine.setHost(&host);
  engine.setRegistry(kRegistry);
  CreateRequest request{nullptr, nullptr};
  engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
  Document* doc = request.result;
  EXPECT_EQ(engine.send(doc, 0x930), 0);
  EXPECT_EQ(engine.send(doc, 0x931), 0);
  EXPECT_EQ(engine.send(doc, 0x932), 0);
  EXPECT_EQ(host.errors, (std::vector<std::string>{"File Exception!", "Generic Exception!", "Program Exception!"}));
  EXPECT_EQ(engine.send(doc, 0x933), 5);
  EXPECT_EQ(engine.send(doc, 0x9F1), 1);  // an editing code without a handler
}

TEST(EngineEntry, OptionsAddressTheDocumentOrTheDefaultsRow) {
  Engine engine;
  CreateRequest request{nullptr, nullptr};
  engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
  Document* doc = request.result;
  EXPECT_EQ(engine.send(nullptr, fn::kGetOption, 0, opt::kLongestLine), 32767);
  engine.send(nullptr, fn::kSetOption, 80, opt::kLongestLine);
  EXPECT_EQ(engine.send(doc, fn::kGetOption, 0, opt::kLongestLine), 32767);  // copied at creation
  engine.send(doc, fn::kSetOption, 1, opt::kEofMark);
  EXPECT_EQ(engine.send(doc, fn::kGetOption, 0, opt::kEofMark), 1);
  EXPECT_EQ(engine.send(nullptr, fn::kGetOption, 0, opt::kEofMark), 0);
  EXPECT_EQ(engine.send(doc, fn::kGetOption, 0, 21), 0);  // no such option
  engine.send(doc, fn::kRenameDocument, 0, reinterpret_cast<intptr_t>("new.txt"));
  EXPECT_EQ(doc->name, "new.txt");
  EXPECT_EQ(engine.send(doc, fn::kChangeCount), 1);
}

TEST(Lines, CapacityRuleAndLongestLine) {
  for (uint32_t n : {0u, 1u, 3u, 4u, 79u, 80u, 1000u}) EXPECT_EQ(capacityFor(n), (n & ~3u) + 4) << n;
  Line* line = makeLine("abc");
  EXPECT_EQ(line->capacity(), 4u);
  Document doc(1, 0, kDefaultOptions);
  doc.setLength(*line, 2);
  doc.setLength(*line, 3);
  EXPECT_EQ(doc.longestLine, 3u);
  doc.setLength(*line, 1);
  EXPECT_EQ(doc.longestLine, 3u);  // never lowered
  growLine(line, 300000);  // beyond what the record's own field holds
  EXPECT_GE(line->capacity(), 300004u);
  EXPECT_EQ(line->view(), "a");
  freeLine(line);
}

}  // namespace
}  // namespace tarn
