// The colours a keyword set paints a class in: one of the six (background,
// foreground) pairs of `syntaxcoloring<n>`; words and blanks keep the
// file's text colours. The screen, the export and printing share it.
#pragma once
#include "core/settings.h"
#include "edit/token_classes.h"
#include "platform/console.h"

namespace tarn {

inline Attribute classAttribute(const SyntaxSetSettings& set, char cls, Attribute text) {
  const int pair = token::colourPairOf(cls);
  if (pair < 0) return text;
  const auto at = static_cast<size_t>(2 * pair);
  return static_cast<Attribute>(((set.colours[at] & 0xF) << 4) | (set.colours[at + 1] & 0xF));
}

}  // namespace tarn
