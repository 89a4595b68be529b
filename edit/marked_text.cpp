#include "edit/marked_text.h"

#include "core/block_text.h"
#include "core/editor.h"
#include "core/marks.h"

namespace tarn {

std::optional<MarkedText> copyMarkedText(Editor& editor) {
  Engine& engine = editor.engine;
  Document* holder = engine.marks().holder();
  if (!holder) return std::nullopt;
  std::optional<MarkLines> marked = markLines(*holder);
  // The copy belongs to the step of the file the user works in.
  Document* running = editor.currentDocument();
  copyMarkToBuffer(engine, running ? *running : *holder, *holder);
  const LineBuffer& buffer = engine.marks().buffer();
  MarkedText text{holder, buffer.kind(), {}, true};
  if (bufferkind::isLines(text.kind) && marked) text.lastLineEnded = !(marked->last->flags & lineflag::kNoLineEnd);
  const Document& lines = buffer.document();
  text.lines.reserve(static_cast<size_t>(lines.textLineCount()));
  for (const Line* line = lines.firstText(); line != lines.last; line = line->next())
    text.lines.push_back(line->view());
  return text;
}

}  // namespace tarn
