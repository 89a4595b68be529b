#include "edit/append_to_file.h"

#include <string>

#include "core/editor.h"
#include "edit/marked_text.h"

namespace tarn {

bool appendToFile(Editor& editor, const MarkedText& marked, std::string_view name) {
  // The lines as a document of their own, which the file writer writes whole.
  Document lines(0, 0, marked.holder->options);
  for (std::string_view text : marked.lines) lines.appendLine(makeLine(text));
  if (!marked.lastLineEnded && lines.last) lines.last->flags |= lineflag::kNoLineEnd;
  if (editor.files.write(lines, false, std::string(name), true) == 1) return true;
  editor.screen.message("Error writing file!");
  return false;
}

bool appendMarkToFile(Editor& editor, std::string_view name) {
  if (name.empty()) {
    editor.screen.message("append <filename>: a file name is needed");
    return false;
  }
  std::optional<MarkedText> marked = copyMarkedText(editor);
  return marked && appendToFile(editor, *marked, name);
}

}  // namespace tarn
