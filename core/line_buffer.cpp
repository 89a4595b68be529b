#include "core/line_buffer.h"

#include "core/options.h"

namespace tarn {

namespace {
// Never handed out by the engine, whose ids start at 1.
constexpr int kHiddenId = 0;
}  // namespace

LineBuffer::LineBuffer() : doc_(kHiddenId, 0, kDefaultOptions) { doc_.addSentinels(); }

BufferContents LineBuffer::contents() const {
  BufferContents contents{kind_, {}};
  if (empty()) return contents;
  for (const Line* line = doc_.firstText(); line != doc_.last; line = line->next())
    contents.lines.emplace_back(line->view());
  return contents;
}

void LineBuffer::replace(BufferContents next) {
  doc_.freeLines();
  for (const std::string& text : next.lines) doc_.appendLine(makeLine(text));
  doc_.addSentinels();
  kind_ = next.lines.empty() ? bufferkind::kEmpty : next.kind;
}

}  // namespace tarn
