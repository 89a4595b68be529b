// The clipboard and export commands of the command language, carried out by
// the editing functions: `copy to clipboard`, `append to clipboard`, cut,
// `block from clipboard`, `append`, `html` and `rtf`.
#pragma once

namespace tarn::command {
class CommandLanguage;
}  // namespace tarn::command

namespace tarn {

class SyntaxColouring;

// The rich clipboard forms and the export take the files' keyword sets from
// the colouring.
void registerClipboardCommands(command::CommandLanguage& language, const SyntaxColouring& colouring);

}  // namespace tarn
