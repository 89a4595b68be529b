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

void registerClipboardCommands(command::CommandLanguage& language) {
  Editor& editor = language.editor();
  language.setHandler(fn::kCopyToClipboard,
                      [&editor](const Invocation&) { return result(copyMarkToClipboard(editor, false)); });
  language.setHandler(fn::kAppendToClipboard,
                      [&editor](const Invocation&) { return result(copyMarkToClipboard(editor, true)); });
  language.setHandler(msg::kCut, [&editor](const Invocation&) { return result(cutMarkToClipboard(editor)); });
  language.setHandler(fn::kBlockFromClipboard, [&language](const Invocation&) {
    return result(language.send(fn::kCopyFromClipboard, pasteflag::kBlock) != 0);
  });
  language.setHandler(fn::kAppend,
                      [&editor](const Invocation& inv) { return result(appendMarkToFile(editor, fileName(inv))); });
  language.setHandler(fn::kHtml, [&editor](const Invocation& inv) {
    return result(exportCurrentFile(editor, ExportKind::Html, fileName(inv)));
  });
  language.setHandler(fn::kRtf, [&editor](const Invocation& inv) {
    return result(exportCurrentFile(editor, ExportKind::Rtf, fileName(inv)));
  });
}

}  // namespace tarn
