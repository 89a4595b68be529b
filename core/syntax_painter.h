// The screen asks the syntax colouring for the colours of each line it
// paints in a document that has colouring on.
#pragma once
#include <span>

#include "core/line_number.h"
#include "platform/console.h"

namespace tarn {

struct Document;
struct Line;

class SyntaxPainter {
 public:
  virtual ~SyntaxPainter() = default;
  // Fills colours (one per byte of the line, preset to the text colours)
  // for a text line of the document at an index, in the keyword set of the
  // window showing it. Returns true when the line now ends in another block
  // remark state than before the latest change, so the rows below look
  // different too.
  virtual bool colourLine(const Document& doc, int keywordSet, const Line& line, LineIndex index,
                          std::span<Attribute> colours) = 0;
};

}  // namespace tarn
