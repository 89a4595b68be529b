#include "edit/clipboard_copy.h"

#include <optional>
#include <string>

#include "core/editor.h"
#include "core/text_case.h"
#include "edit/clipboard_block.h"
#include "edit/clipboard_paste.h"
#include "edit/handlers.h"
#include "edit/keyword_set_selection.h"
#include "edit/marked_text.h"
#include "edit/syntax_colouring.h"
#include "edit/text_changes.h"

namespace tarn {

namespace {

// The marked text, copied into the line buffer; nothing (and a note) when
// no file holds a mark.
std::optional<MarkedText> markedText(Editor& editor) {
  std::optional<MarkedText> marked = copyMarkedText(editor);
  if (!marked) editor.screen.message("No marked text");
  return marked;
}

std::string utf8Text(Editor& editor, const MarkedText& marked) {
  return consolePage(editor).toUtf8(clipboardText(marked));
}

// What one form of the clipboard gets: the marked text after old, the text
// appended to (empty when not appending). An HTML block keeps one header,
// before the whole.
std::string formBlock(ClipFormat form, const std::string& old, const std::string& text) {
  std::string block = form == ClipFormat::Html ? std::string(htmlClipboardBody(old)) : old;
  block += text;
  return form == ClipFormat::Html ? htmlClipboardBlock(block) : block;
}

// What the clipboard holds in a form, when appending to it.
std::string appendedTo(Editor& editor, ClipFormat form, bool append) {
  return append ? editor.clipboard.read(form) : std::string();
}

// The rich form a document's text goes in besides the plain text: HTML for
// a ".htm" or ".html" file coloured by the set of ".html" files, RTF for an
// ".rtf" file coloured by the set of ".rtf" files.
std::optional<ClipFormat> richFormOf(Editor& editor, const SyntaxColouring& colouring, const Document& doc) {
  int set = colouring.setIndexOf(doc);
  auto setOf = [&](std::string_view sample) { return selectKeywordSet(editor.settings.syntax, set, sample); };
  if ((endsWithIgnoringCase(doc.name, ".htm") || endsWithIgnoringCase(doc.name, ".html")) && setOf("x.html") == set)
    return ClipFormat::Html;
  if (endsWithIgnoringCase(doc.name, ".rtf") && setOf("x.rtf") == set) return ClipFormat::Rtf;
  return std::nullopt;
}

}  // namespace

void putOnClipboard(Editor& editor, const SyntaxColouring& colouring, const MarkedText& marked,
                    const Document* current, bool append) {
  std::string text = utf8Text(editor, marked);
  ClipboardContent content;
  content.text = formBlock(ClipFormat::Text, appendedTo(editor, ClipFormat::Text, append), text);
  if (current)
    if (auto rich = richFormOf(editor, colouring, *current))
      content.in(*rich) = formBlock(*rich, appendedTo(editor, *rich, append), text);
  editor.clipboard.copy(content);
}

bool copyMarkToClipboard(Editor& editor, const SyntaxColouring& colouring, bool append) {
  std::optional<MarkedText> marked = markedText(editor);
  if (marked) putOnClipboard(editor, colouring, *marked, editor.currentDocument(), append);
  return marked.has_value();
}

bool cutMarkToClipboard(Editor& editor, const SyntaxColouring& colouring) {
  std::optional<MarkedText> marked = markedText(editor);
  if (!marked) return false;
  putOnClipboard(editor, colouring, *marked, editor.currentDocument(), false);
  return editor.engine.send(marked->holder, msg::kCut) != 0;
}

namespace handler {

int copyToClipboard(EngineCall& call) {
  if (!call.editor) return 0;
  Editor& editor = *call.editor;
  std::optional<MarkedText> marked = markedText(editor);
  if (!marked) return 0;
  ClipFormat form = call.arg1 & clipbits::kHtml  ? ClipFormat::Html
                    : call.arg1 & clipbits::kRtf ? ClipFormat::Rtf
                                                 : ClipFormat::Text;
  const bool append = call.arg1 & clipbits::kAppend;
  // The text form starts the clipboard afresh; a rich form joins the others,
  // which are read once.
  ClipboardContent content;
  std::string old;
  if (form != ClipFormat::Text) {
    for (ClipFormat kept : {ClipFormat::Text, ClipFormat::Html, ClipFormat::Rtf})
      content.in(kept) = editor.clipboard.read(kept);
    if (append) old = content.in(form);
  } else {
    old = appendedTo(editor, form, append);
  }
  content.in(form) = formBlock(form, old, utf8Text(editor, *marked));
  editor.clipboard.copy(content);
  return 1;
}

// The dispatcher has copied the text already.
int cut(EngineCall& call) {
  if (call.doc.isReadOnly()) return refuseChange(call);
  return deleteMark(call);
}

}  // namespace handler

}  // namespace tarn
