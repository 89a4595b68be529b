// The clipboard and export commands of the command language, carried out by
// the editing functions: `copy to clipboard`, `append to clipboard`, cut,
// `block from clipboard`, `append`, `html` and `rtf`.
#pragma once

namespace tarn::command {
class CommandLanguage;
}  // namespace tarn::command

namespace tarn {

void registerClipboardCommands(command::CommandLanguage& language);

}  // namespace tarn
