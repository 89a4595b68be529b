// `center in margins`: the current line's text centred between the left
// and right margins.
#include <algorithm>
#include <string>

#include "core/editor.h"
#include "edit/handlers.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"

namespace tarn::handler {

int centerInMargins(EngineCall& call) {
  Document& doc = call.doc;
  if (!call.editor || doc.isCommandLine()) return 0;
  if (!mayEditCurrent(doc)) return refuseChange(call);
  const Settings& s = call.editor->settings;
  Line& line = *doc.current;
  std::string_view text = line.view();
  size_t start = firstNonWhite(text);
  size_t end = text.find_last_not_of(" \t") + 1;
  std::string_view words = start < text.size() ? text.substr(start, end - start) : std::string_view{};
  ColumnRule rule = columnRule(call);
  int room = (s.rightMargin - s.leftMargin + 1) - displayWidth(words, rule);
  // A line that does not fit between the margins is left as it is.
  if (room < 0) return 0;
  size_t indent = words.empty() ? 0 : static_cast<size_t>(std::max(s.leftMargin - 1, 0) + room / 2);
  TextPosition cursor = positionAt(text, doc.cursorColumn, rule);
  // The cursor keeps its character.
  size_t place = cursor.index < start ? indent : indent + cursor.index - start + static_cast<size_t>(cursor.beyond);
  doc.setText(line, std::string(indent, ' ') + std::string(words));
  std::string_view centred = line.view();
  size_t inside = std::min(place, centred.size());
  doc.cursorColumn = columnOf(centred, inside, rule) + static_cast<int>(place - inside);
  return 1;
}

}  // namespace tarn::handler
