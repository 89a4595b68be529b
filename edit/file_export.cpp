#include "edit/file_export.h"

#include <memory>
#include <string>

#include "core/editor.h"
#include "core/function_codes.h"
#include "core/given_text.h"
#include "edit/clipboard_paste.h"
#include "edit/syntax_colouring.h"

namespace tarn {

namespace {

// The export's lines, written as the document being filled asks for them.
class ExportedLines : public LineSupply {
 public:
  ExportedLines(ExportWriter& writer, const Document& source)
      : writer_(writer), source_(source), next_(source.firstText()) {}

  bool next(std::string_view& line) override {
    while (!writer_.takeLine(line)) {
      if (finished_) return false;
      if (!next_ || source_.isSentinel(next_)) {
        writer_.finish();
        finished_ = true;
      } else {
        writer_.add(next_->view());
        next_ = next_->next();
      }
    }
    return true;
  }

 private:
  ExportWriter& writer_;
  const Document& source_;
  const Line* next_;
  bool finished_ = false;
};

}  // namespace

bool exportCurrentFile(Editor& editor, const SyntaxColouring& colouring, ExportKind kind, std::string_view name) {
  Document* source = editor.currentDocument();
  if (!source) return false;
  std::string target = name.empty() ? source->name + (kind == ExportKind::Html ? ".html" : ".rtf") : std::string(name);

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
  ExportPalette palette(editor.settings, colouring.setIndexOf(*source));
  std::unique_ptr<ExportWriter> writer =
      ExportWriter::make(kind, palette, colouring.setOf(*source), consolePage(editor));
  ExportedLines lines(*writer, *source);
  editor.engine.send(exported, fn::kReplaceText, giventext::kSupplied, reinterpret_cast<intptr_t>(&lines));
  exported->setChangeCount(1);
  exported->options[opt::kUndoRecording] = undo;
  exported->flags |= readOnly;

  editor.slots.setCurrent(sourceSlot);
  editor.screen.redraw(true);
  // The screen shows the source again: say where the export went.
  editor.screen.message("Exported to " + exported->name + " (not saved yet)");
  return true;
}

}  // namespace tarn
