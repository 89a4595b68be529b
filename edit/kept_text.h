// The bytes the undo records keep (deleted or typed-over characters, whole
// lines), in a store of fixed 16384-byte chunks so that a record itself
// stays small. A text is named by a handle and may run over several
// chunks; texts are added at the newest chunk's end, and a chunk goes back
// once nothing in it is kept any longer, which the ring's oldest-first
// discarding makes the usual case.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

class KeptText {
 public:
  using Handle = int32_t;
  static constexpr Handle kNone = -1;
  static constexpr size_t kChunkSize = 16384;

  KeptText() = default;
  KeptText(const KeptText&) = delete;
  KeptText& operator=(const KeptText&) = delete;

  Handle keep(std::string_view bytes);
  void append(Handle text, std::string_view bytes);
  void prepend(Handle text, std::string_view bytes);
  // The whole text: a view into its chunk when it lies in one piece, else
  // put together in scratch.
  std::string_view read(Handle text, std::string& scratch) const;
  size_t size(Handle text) const { return texts_[text].size; }
  // Frees the text; kNone is ignored.
  void release(Handle text);
  void clear();

  // Bytes of the chunks held from the system.
  size_t chunkBytes() const;

 private:
  // A run of bytes in one chunk, linked to the next run of its text.
  struct Piece {
    uint32_t chunk;
    uint16_t offset;
    uint16_t length;
    int32_t next;
  };
  struct Text {
    int32_t head;
    int32_t tail;
    uint32_t size;
  };
  struct Chunk {
    std::unique_ptr<char[]> bytes;
    uint32_t used = 0;  // bytes handed out from the start
    uint32_t live = 0;  // bytes still kept
  };

  // Adds the bytes as a chain of pieces after the piece last (-1: none),
  // which grows in place where the filling chunk goes on from its end.
  // first receives the first new piece (-1: none), last the final one.
  void store(std::string_view bytes, int32_t& first, int32_t& last);
  int32_t newPiece(uint32_t chunk, uint32_t offset, uint32_t length);
  void freePiece(int32_t piece);
  // The chunk new bytes go to, with room for at least one byte.
  uint32_t fillingChunk();
  void chunkEmptied(uint32_t chunk);

  std::vector<Chunk> chunks_;
  // Emptied chunks, with their buffer kept or given back.
  std::vector<uint32_t> spareBuffered_;
  std::vector<uint32_t> spareEmpty_;
  uint32_t filling_ = 0;
  bool hasFilling_ = false;
  std::vector<Piece> pieces_;
  int32_t freePieces_ = -1;
  std::vector<Text> texts_;
  std::vector<Handle> freeTexts_;
};

}  // namespace tarn
