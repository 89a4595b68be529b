#include "edit/kept_text.h"

#include <algorithm>
#include <cstring>

#include "edit/free_slots.h"

namespace tarn {

namespace {
// Emptied chunks that keep their buffer for the next texts; the others
// give theirs back.
constexpr size_t kSpareBuffers = 2;
}  // namespace

KeptText::Handle KeptText::keep(std::string_view bytes) {
  Handle handle = takeSlot(texts_, freeTexts_);
  Text text{-1, -1, static_cast<uint32_t>(bytes.size())};
  store(bytes, text.head, text.tail);
  texts_[handle] = text;
  return handle;
}

void KeptText::append(Handle handle, std::string_view bytes) {
  Text& text = texts_[handle];
  text.size += static_cast<uint32_t>(bytes.size());
  int32_t first;
  store(bytes, first, text.tail);
  if (text.head < 0) text.head = first;
}

void KeptText::prepend(Handle handle, std::string_view bytes) {
  if (bytes.empty()) return;
  int32_t first, last = -1;
  store(bytes, first, last);
  Text& text = texts_[handle];
  text.size += static_cast<uint32_t>(bytes.size());
  pieces_[last].next = text.head;
  text.head = first;
  if (text.tail < 0) text.tail = last;
}

std::string_view KeptText::read(Handle handle, std::string& scratch) const {
  const Text& text = texts_[handle];
  if (text.head < 0) return {};
  auto bytesOf = [this](const Piece& p) {
    return std::string_view(chunks_[p.chunk].bytes.get() + p.offset, p.length);
  };
  if (text.head == text.tail) return bytesOf(pieces_[text.head]);
  scratch.clear();
  scratch.reserve(text.size);
  for (int32_t p = text.head; p >= 0; p = pieces_[p].next) scratch += bytesOf(pieces_[p]);
  return scratch;
}

void KeptText::release(Handle handle) {
  if (handle == kNone) return;
  for (int32_t p = texts_[handle].head; p >= 0;) {
    int32_t next = pieces_[p].next;
    freePiece(p);
    p = next;
  }
  texts_[handle] = {-1, -1, 0};
  freeTexts_.push_back(handle);
}

void KeptText::clear() {
  chunks_.clear();
  spareBuffered_.clear();
  spareEmpty_.clear();
  hasFilling_ = false;
  pieces_.clear();
  freePieces_ = -1;
  texts_.clear();
  freeTexts_.clear();
}

size_t KeptText::chunkBytes() const {
  return kChunkSize * static_cast<size_t>(std::count_if(chunks_.begin(), chunks_.end(),
                                                        [](const Chunk& c) { return c.bytes != nullptr; }));
}

void KeptText::store(std::string_view bytes, int32_t& first, int32_t& last) {
  first = -1;
  while (!bytes.empty()) {
    uint32_t c = fillingChunk();
    Chunk& chunk = chunks_[c];
    size_t n = std::min(bytes.size(), kChunkSize - chunk.used);
    std::memcpy(chunk.bytes.get() + chunk.used, bytes.data(), n);
    if (last >= 0 && pieces_[last].chunk == c && pieces_[last].offset + pieces_[last].length == chunk.used) {
      // The piece before ends where the chunk does: it grows in place.
      pieces_[last].length = static_cast<uint16_t>(pieces_[last].length + n);
    } else {
      int32_t piece = newPiece(c, chunk.used, static_cast<uint32_t>(n));
      if (last >= 0) pieces_[last].next = piece;
      if (first < 0) first = piece;
      last = piece;
    }
    chunk.used += static_cast<uint32_t>(n);
    chunk.live += static_cast<uint32_t>(n);
    bytes.remove_prefix(n);
  }
}

int32_t KeptText::newPiece(uint32_t chunk, uint32_t offset, uint32_t length) {
  Piece piece{chunk, static_cast<uint16_t>(offset), static_cast<uint16_t>(length), -1};
  if (freePieces_ >= 0) {
    int32_t p = freePieces_;
    freePieces_ = pieces_[p].next;
    pieces_[p] = piece;
    return p;
  }
  pieces_.push_back(piece);
  return static_cast<int32_t>(pieces_.size() - 1);
}

void KeptText::freePiece(int32_t p) {
  Chunk& chunk = chunks_[pieces_[p].chunk];
  chunk.live -= pieces_[p].length;
  if (chunk.live == 0) chunkEmptied(pieces_[p].chunk);
  pieces_[p].next = freePieces_;
  freePieces_ = p;
}

uint32_t KeptText::fillingChunk() {
  if (hasFilling_ && chunks_[filling_].used < kChunkSize) return filling_;
  std::vector<uint32_t>& spares = spareBuffered_.empty() ? spareEmpty_ : spareBuffered_;
  if (!spares.empty()) {
    filling_ = spares.back();
    spares.pop_back();
  } else {
    filling_ = static_cast<uint32_t>(chunks_.size());
    chunks_.emplace_back();
  }
  Chunk& chunk = chunks_[filling_];
  if (!chunk.bytes) chunk.bytes = std::make_unique_for_overwrite<char[]>(kChunkSize);
  hasFilling_ = true;
  return filling_;
}

void KeptText::chunkEmptied(uint32_t c) {
  Chunk& chunk = chunks_[c];
  chunk.used = 0;
  if (hasFilling_ && c == filling_) return;  // filled again from its start
  if (spareBuffered_.size() < kSpareBuffers) {
    spareBuffered_.push_back(c);
  } else {
    chunk.bytes.reset();
    spareEmpty_.push_back(c);
  }
}

}  // namespace tarn
