// Movements to the margins of the `margins` setting (one-based columns).
#include "core/editor.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/text_columns.h"

namespace tarn::handler {

namespace {

enum class Margin { Left, Right, Paragraph };

int toMargin(EngineCall& call, Margin which) {
  if (!call.editor) return 0;
  const Settings& s = call.editor->settings;
  int margin = which == Margin::Left ? s.leftMargin : which == Margin::Right ? s.rightMargin : s.paragraphMargin;
  int column = margin - 1;
  if (column < 0 || column >= longestLine(call.doc)) return 0;
  call.doc.cursorColumn = column;
  return 1;
}

}  // namespace

int leftMargin(EngineCall& call) { return toMargin(call, Margin::Left); }
int rightMargin(EngineCall& call) { return toMargin(call, Margin::Right); }
int paragraphMargin(EngineCall& call) { return toMargin(call, Margin::Paragraph); }

// A line that follows a blank line starts a paragraph: it is indented to
// the paragraph margin, any other line to the left margin.
int indent(EngineCall& call) {
  Document& doc = call.doc;
  std::string_view above = doc.current ? textOf(doc, doc.current->prev()) : std::string_view{};
  bool startsParagraph = firstNonWhite(above) == above.size();
  return toMargin(call, startsParagraph ? Margin::Paragraph : Margin::Left);
}

}  // namespace tarn::handler
