// The line buffer: the text last cut or copied by a block function, held in
// a hidden document of its own (never in the engine's list of documents),
// with the kind of its contents. Every paste takes its text from here.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/line_buffer_exchange.h"

namespace tarn {

// Kinds of the buffer's contents.
namespace bufferkind {
constexpr int kEmpty = 0;
constexpr int kCharacters = 1;  // a character mark: the pieces of a stream
constexpr int kBlock = 2;       // a block mark: one piece per line
constexpr int kMarkedLines = 32;  // the lines of a line mark
constexpr int kCursorLines = 33;  // lines taken from the cursor on (no mark)
constexpr bool isLines(int kind) { return kind == kMarkedLines || kind == kCursorLines; }
}  // namespace bufferkind

struct BufferContents {
  int kind = bufferkind::kEmpty;
  std::vector<std::string> lines;
};

class LineBuffer final : public ExchangeableBuffer {
 public:
  LineBuffer();

  int kind() const { return kind_; }
  bool empty() const { return kind_ == bufferkind::kEmpty; }
  // The hidden document: its text lines hold the contents (one empty line
  // when the buffer is empty).
  const Document& document() const { return *doc_; }
  BufferContents contents() const;

  // The one place where the contents change: new copies and appended
  // lines, put there by a function running on `running`, whose undo log
  // keeps the contents they replace.
  void replace(Document& running, BufferContents next);

  // Undo and redo: the hidden document changes hands whole, however many
  // lines it holds.
  std::unique_ptr<ExchangedContents> exchange(std::unique_ptr<ExchangedContents> contents) override;

 private:
  struct Held;

  std::unique_ptr<Document> doc_;
  int kind_ = bufferkind::kEmpty;
  size_t bytes_ = 0;  // of the text lines
};

}  // namespace tarn
