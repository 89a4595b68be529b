// The screen asks the syntax colouring for the colours of each line it
// paints in a document that has colouring on.
#pragma once
#include <span>
#include <string_view>

#include "platform/console.h"

namespace tarn {

struct Document;

class SyntaxPainter {
 public:
  virtual ~SyntaxPainter() = default;
  // Fills colours (one per byte of text, preset to the text colours) for the
  // line shown at a row of the window. Returns true when the state at the
  // line's end (an open block remark) changed, so the rows below need
  // colouring again.
  virtual bool colourLine(const Document& doc, int keywordSet, int row, std::string_view text,
                          std::span<Attribute> colours) = 0;
};

}  // namespace tarn
