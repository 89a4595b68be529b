#include "edit/text_columns.h"

#include "core/engine.h"

namespace tarn {

ColumnRule columnRule(const EngineCall& call) { return columnRule(call.engine, call.doc); }

size_t firstNonWhite(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && isWhite(text[i])) ++i;
  return i;
}

}  // namespace tarn
