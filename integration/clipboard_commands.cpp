#include "integration/clipboard_commands.h"

#include "command/command_language.h"
#include "core/editor.h"
#include "core/function_codes.h"
#include "edit/append_to_file.h"
#include "edit/clipboard_copy.h"
#include "edit/clipboard_paste.h"
#include "edit/file_export.h"

namespace tarn {

namespace {

using command::Invocation;
using command::Outcome;

Outcome result(bool done) { return done ? Outcome::done() : Outcome::failure(); }

// The file name a command was given (double quotes keep its blanks), or empty.
std::string_view fileName(const Invocation& inv) { return inv.args.empty() ? std::string_view() : inv.args[0]; }

}  // namespace

void registerClipboardCommands(command::CommandLanguage& language, const SyntaxColouring& colouring) {
  Editor& editor = language.editor();
  language.setHandler(fn::kCopyToClipboard, [&editor, &colouring](const Invocation&) {
    return result(copyMarkToClipboard(editor, colouring, false));
  });
  language.setHandler(fn::kAppendToClipboard, [&editor, &colouring](const Invocation&) {
    return result(copyMarkToClipboard(editor, colouring, true));
  });
  language.setHandler(msg::kCut, [&editor, &colouring](const Invocation&) {
    return result(cutMarkToClipboard(editor, colouring));
  });
  language.setHandler(fn::kBlockFromClipboard, [&language](const Invocation&) {
    return result(language.send(fn::kCopyFromClipboard, pasteflag::kBlock) != 0);
  });
  language.setHandler(fn::kAppend,
                      [&editor](const Invocation& inv) { return result(appendMarkToFile(editor, fileName(inv))); });
  language.setHandler(fn::kHtml, [&editor, &colouring](const Invocation& inv) {
    return result(exportCurrentFile(editor, colouring, ExportKind::Html, fileName(inv)));
  });
  language.setHandler(fn::kRtf, [&editor, &colouring](const Invocation& inv) {
    return result(exportCurrentFile(editor, colouring, ExportKind::Rtf, fileName(inv)));
  });
}

}  // namespace tarn
