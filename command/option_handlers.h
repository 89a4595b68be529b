// The handlers of the `set` options that have a row of their own: each
// reads its values, keeps them in Settings and hands them on where another
// part acts on them at once (the current file, the engine's tab stops, the
// screen, the console, the autosave timer). A write function gives the
// values as they are written back after "set <name>".
#pragma once
#include "command/option_values.h"

namespace tarn::command::option {

Refusal applyColours(OptionInput& input);
std::string writeColours(const Editor& editor, int set);
Refusal applySyntaxColours(OptionInput& input);
std::string writeSyntaxColours(const Editor& editor, int set);
Refusal applySyntaxExtensions(OptionInput& input);
std::string writeSyntaxExtensions(const Editor& editor, int set);
Refusal applySyntaxCommands(OptionInput& input);
std::string writeSyntaxCommands(const Editor& editor, int set);
Refusal applySyntaxProfile(OptionInput& input);
std::string writeSyntaxProfile(const Editor& editor, int set);
Refusal applyTabs(OptionInput& input);
std::string writeTabs(const Editor& editor, int set);
Refusal applyMargins(OptionInput& input);
std::string writeMargins(const Editor& editor, int set);
Refusal applyDisplay(OptionInput& input);
std::string writeDisplay(const Editor& editor, int set);
Refusal applyPrinter(OptionInput& input);
std::string writePrinter(const Editor& editor, int set);
Refusal applyBackup(OptionInput& input);
Refusal applyLineTrim(OptionInput& input);
std::string writeLineTrim(const Editor& editor, int set);
Refusal applyEncryption(OptionInput& input);
Refusal applyStatusLine(OptionInput& input);
std::string writeStatusLine(const Editor& editor, int set);
Refusal applyCommandLine(OptionInput& input);
std::string writeCommandLine(const Editor& editor, int set);
Refusal applyDelimiters(OptionInput& input);
std::string writeDelimiters(const Editor& editor, int set);
Refusal applyCodePage(OptionInput& input);
std::string writeCodePage(const Editor& editor, int set);
Refusal applyCharset(OptionInput& input);
std::string writeCharset(const Editor& editor, int set);
Refusal applyBorders(OptionInput& input);
Refusal applyCursor(OptionInput& input);
std::string writeCursor(const Editor& editor, int set);
Refusal applyAutosave(OptionInput& input);
Refusal applyMarkOn(OptionInput& input);
Refusal applyPopupMenu(OptionInput& input);
std::string writePopupMenu(const Editor& editor, int set);
Refusal applyTabbed(OptionInput& input);
std::string writeTabbed(const Editor& editor, int set);
Refusal applyKeepTabs(OptionInput& input);
Refusal applyNothing(OptionInput& input);
Refusal applyPyVer(OptionInput& input);

}  // namespace tarn::command::option
