// Every typed command and editor-level function has its handler in one
// place; each family registers its own.
#pragma once

namespace tarn::command {

class CommandLanguage;

void registerFileCommands(CommandLanguage& language);
void registerCursorPlaceCommands(CommandLanguage& language);
void registerViewCommands(CommandLanguage& language);
void registerMovementCommands(CommandLanguage& language);
void registerTextInsertionCommands(CommandLanguage& language);
void registerInformationCommands(CommandLanguage& language);
void registerShellCommands(CommandLanguage& language);
void registerDefinitionCommands(CommandLanguage& language);
void registerLocateCommand(CommandLanguage& language);
void registerChangeCommand(CommandLanguage& language);
void registerFormattingCommands(CommandLanguage& language);
void registerMarkStackCommands(CommandLanguage& language);
void registerMacroCommands(CommandLanguage& language);
void registerCalculatorCommands(CommandLanguage& language);

inline void registerCommands(CommandLanguage& language) {
  registerFileCommands(language);
  registerCursorPlaceCommands(language);
  registerViewCommands(language);
  registerMovementCommands(language);
  registerTextInsertionCommands(language);
  registerInformationCommands(language);
  registerShellCommands(language);
  registerDefinitionCommands(language);
  registerLocateCommand(language);
  registerChangeCommand(language);
  registerFormattingCommands(language);
  registerMarkStackCommands(language);
  registerMacroCommands(language);
  registerCalculatorCommands(language);
}

}  // namespace tarn::command
