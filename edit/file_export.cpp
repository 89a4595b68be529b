#include "edit/file_export.h"

#include <string>
#include <vector>

#include "core/editor.h"
#include "core/function_codes.h"
#include "edit/clipboard_paste.h"
#include "edit/syntax_colouring.h"

namespace tarn {

bool exportCurrentFile(Editor& editor, const SyntaxColouring& colouring, ExportKind kind, std::string_view name) {
  Document* source = editor.currentDocument();
  if (!source) return false;
  std::string target = name.empty() ? source->name + (kind == ExportKind::Html ? ".html" : ".rtf") : std::string(name);

  ExportPalette palette(editor.settings, colouring.setIndexOf(*source));
  std::unique_ptr<ExportWriter> writer =
      ExportWriter::make(kind, palette, colouring.setOf(*source), consolePage(editor));
  for (Line* line = source->firstText(); line && !source->isSentinel(line); line = line->next()) writer->add(line->view());
  std::vector<std::string> lines = writer->finish();

  const int sourceSlot = editor.slots.current();
  if (!editor.files.edit(target, EditRequest{})) return false;
  Document* exported = editor.currentDocument();
  if (exported == source) {
    // The name is the file's own: its text is not replaced by the export.
    editor.screen.message("A file cannot be exported onto itself");
    return false;
  }
  // Written as one piece, not as changes to undo, whatever the file allowed.
  const int undo = exported->options[opt::kUndoRecording];
  const uint32_t readOnly = exported->flags & docflag::kReadOnly;
  exported->options[opt::kUndoRecording] = 0;
  exported->flags &= ~docflag::kReadOnly;
  editor.engine.send(exported, fn::kReplaceText, 0, reinterpret_cast<intptr_t>(&lines));
  exported->setChangeCount(1);
  exported->options[opt::kUndoRecording] = undo;
  exported->flags |= readOnly;

  editor.slots.setCurrent(sourceSlot);
  editor.screen.redraw(true);
  return true;
}

}  // namespace tarn
