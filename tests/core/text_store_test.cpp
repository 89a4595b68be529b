#include <gtest/gtest.h>

#include "core/document.h"
#include "core/engine.h"
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
  EXPECT_EQ(doc->currentLineNumber, 1);
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
