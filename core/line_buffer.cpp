#include "core/line_buffer.h"

#include <utility>

#include "core/options.h"

namespace tarn {

namespace {
// Never handed out by the engine, whose ids start at 1.
constexpr int kHiddenId = 0;

// Its lines are appended, then its sentinels added.
std::unique_ptr<Document> newHiddenDocument() { return std::make_unique<Document>(kHiddenId, 0, kDefaultOptions); }
}  // namespace

// Contents taken out of the buffer: its hidden document as it stood.
struct LineBuffer::Held final : ExchangedContents {
  Held(std::unique_ptr<Document> d, int k, size_t b) : doc(std::move(d)), kind(k), bytes(b) {}
  size_t size() const override { return bytes; }

  std::unique_ptr<Document> doc;
  int kind;
  size_t bytes;
};

LineBuffer::LineBuffer() : doc_(newHiddenDocument()) { doc_->addSentinels(); }

BufferContents LineBuffer::contents() const {
  BufferContents contents{kind_, {}};
  if (empty()) return contents;
  for (const Line* line = doc_->firstText(); line != doc_->last; line = line->next())
    contents.lines.emplace_back(line->view());
  return contents;
}

void LineBuffer::replace(Document& running, BufferContents next) {
  auto previous = std::make_unique<Held>(std::exchange(doc_, newHiddenDocument()), kind_, bytes_);
  bytes_ = 0;
  for (const std::string& text : next.lines) {
    doc_->appendLine(makeLine(text));
    bytes_ += text.size();
  }
  doc_->addSentinels();
  kind_ = next.lines.empty() ? bufferkind::kEmpty : next.kind;
  recordBufferReplaced(running, *this, std::move(previous));
}

std::unique_ptr<ExchangedContents> LineBuffer::exchange(std::unique_ptr<ExchangedContents> contents) {
  auto previous = std::make_unique<Held>(std::move(doc_), kind_, bytes_);
  if (auto* held = dynamic_cast<Held*>(contents.get())) {
    doc_ = std::move(held->doc);
    kind_ = held->kind;
    bytes_ = held->bytes;
  } else {
    doc_ = newHiddenDocument();
    doc_->addSentinels();
    kind_ = bufferkind::kEmpty;
    bytes_ = 0;
  }
  return previous;
}

}  // namespace tarn
