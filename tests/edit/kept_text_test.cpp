// The store of kept bytes: texts over several chunks, growing at either
// end, and chunks going back once nothing in them is kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit/kept_text.h"

namespace tarn {
namespace {

std::string text(const KeptText& kept, KeptText::Handle h) {
  std::string scratch;
  return std::string(kept.read(h, scratch));
}

TEST(KeptText, TextsKeepTheirBytesAcrossChunks) {
  KeptText kept;
  std::string big(KeptText::kChunkSize * 2 + 100, 'x');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>('a' + i % 26);
  KeptText::Handle small = kept.keep("head");
  KeptText::Handle large = kept.keep(big);
  KeptText::Handle empty = kept.keep("");
  EXPECT_EQ(text(kept, small), "head");
  EXPECT_EQ(text(kept, large), big);
  EXPECT_EQ(kept.size(large), big.size());
  EXPECT_EQ(text(kept, empty), "");

  kept.append(small, "-tail");
  kept.prepend(small, "front-");
  kept.append(empty, "now");
  EXPECT_EQ(text(kept, small), "front-head-tail");
  EXPECT_EQ(kept.size(small), 15u);
  EXPECT_EQ(text(kept, empty), "now");
  EXPECT_EQ(text(kept, large), big) << "growing another text leaves this one alone";
}

TEST(KeptText, ChunksGoBackOnceTheirTextsAreReleased) {
  KeptText kept;
  std::vector<KeptText::Handle> handles;
  for (int i = 0; i < 100; ++i) handles.push_back(kept.keep(std::string(1000, static_cast<char>('0' + i % 10))));
  size_t full = kept.chunkBytes();
  EXPECT_GE(full, 100u * 1000);
  for (KeptText::Handle h : handles) kept.release(h);
  EXPECT_LE(kept.chunkBytes(), 3 * KeptText::kChunkSize) << "a few spare chunks at most";

  // Released handles and chunks serve new texts.
  KeptText::Handle again = kept.keep("again");
  EXPECT_EQ(text(kept, again), "again");
  kept.release(KeptText::kNone);
  kept.clear();
  EXPECT_EQ(kept.chunkBytes(), 0u);
}

TEST(KeptText, ATextAppendedToAtTheEndOfTheStoreGrowsInPlace) {
  KeptText kept;
  KeptText::Handle h = kept.keep("a");
  for (int i = 0; i < 5000; ++i) kept.append(h, "b");
  std::string scratch;
  std::string_view whole = kept.read(h, scratch);
  EXPECT_EQ(whole.size(), 5001u);
  EXPECT_NE(whole.data(), scratch.data()) << "one piece: read without copying";
}

}  // namespace
}  // namespace tarn
