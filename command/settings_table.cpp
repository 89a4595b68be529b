// The option rows in option order.
#include "command/settings_table.h"

#include <unordered_map>

#include "command/option_handlers.h"
#include "core/options.h"

namespace tarn::command {
namespace {

using namespace option;
using S = Settings;
constexpr int kBkspBit = behaviour::kRuboutInFreeSpace;
constexpr int kCompatBit = behaviour::kCompatibility;

constexpr OptionEntry kOptions[] = {
    {"tabs", "set tabs <first> <col>: Set the first tab column and the steps", false, applyTabs, writeTabs},
    {"colors", "set colors <back> <fore> ...: Set background and foreground colors", false, applyColours,
     writeColours},
    {"syntaxcoloring", "set syntaxcoloring<n> <back> <fore> ...: Set the syntax coloring colors", true,
     applySyntaxColours, writeSyntaxColours},
    {"syntaxcoloringext", "set syntaxcoloringext<n> <ext>: Set the syntax coloring file extensions", true,
     applySyntaxExtensions, writeSyntaxExtensions},
    {"margins", "set margins <left> <right> ...: Set the left and right column margins", false, applyMargins,
     writeMargins},
    {"display", "set display <rows> <columns>: Set the display rows and columns", false, applyDisplay,
     writeDisplay},
    {"printer", "set printer <printer name>: Set the default printer port name", false, applyPrinter,
     writePrinter},
    {"backup", "set backup <ext> ...: Create a backup file for specified extentions", false, applyBackup,
     writeWordList<&S::backupPatterns>},
    {"historyon", "set historyon <key>: Set the key to enable history with arrows keys", false,
     applyKeyState<&S::historyOn, false>, writeKeyState<&S::historyOn>},
    {"linetrim", "set linetrim <leading> <trailing> <compress>: Set lines blank trim", false, applyLineTrim,
     writeLineTrim},
    {"helpfile", "set helpfile <path>: Set the pathname of the context help file", false,
     applyText<&S::helpFile, true>, writeText<&S::helpFile>},
    {"confirm", "set confirm <on/off>: Enable or disable save confirm on existing files", false,
     applySwitch<&S::confirm, false>, writeSwitch<&S::confirm>},
    {"insert", "set insert <on/off>: Enable or disable the insert mode at load time", false,
     applySwitch<&S::insert, false>, writeSwitch<&S::insert>},
    {"date", "set date <string>: Set the format string to display the current date", false,
     applyText<&S::dateTemplate, true>, writeText<&S::dateTemplate>},
    {"time", "set time <string>: Set the format string to display the current time", false,
     applyText<&S::timeTemplate, true>, writeText<&S::timeTemplate>},
    {"encryption", "set encryption <on/off>: Enable or disable save encryption on the file", false,
     applyEncryption, writeSwitch<&S::encryption>},
    {"restorecursor", "set restorecursor <on/off>: Enable or disable cursor position restore", false,
     applySwitch<&S::restoreCursor, false>, writeSwitch<&S::restoreCursor>},
    {"statusline", "set statusline <on/off> <colors>: Enable, disable or set status line", false,
     applyStatusLine, writeStatusLine},
    {"commandline",
     "set commandline <on/off> <on/off> <on/off> <color>: Enable or disable the command line", false,
     applyCommandLine, writeCommandLine},
    {"bkspinfreespace", "set bkspinfreespace <on/off>: Enable or disable the backspace in free space", false,
     applyFileBit<&S::bkspInFreeSpace, true, opt::kBehaviour, kBkspBit, false>,
     writeSwitch<&S::bkspInFreeSpace>},
    {"eof", "set eof <on/off>: Add or no the CTRL+Z at the end of the file", false,
     applyFileSwitch<&S::eof, false, opt::kEofMark>, writeSwitch<&S::eof>},
    {"linefeed", "set linefeed <on/off>: Add or no the LF at the end of the line", false,
     applyFileBit<&S::lineFeed, true, opt::kLineEnd, lineend::kNoLineFeed, true>, writeSwitch<&S::lineFeed>},
    {"wordwrap", "set wordwrap <on/off>: Enable or disable word wrap at the end of line", false,
     applyFileSwitch<&S::wordWrap, false, opt::kWordWrap>, writeSwitch<&S::wordWrap>},
    {"uppercase", "set uppercase <on/off>: Change or no to upper case all characters", false,
     applySwitch<&S::upperCase, false>, writeSwitch<&S::upperCase>},
    {"oncommand", "set oncommand <on/off>: Move or no the cursor in the command line", false,
     applySwitch<&S::onCommand, true>, writeSwitch<&S::onCommand>},
    {"onmenu", "set onmenu <on/off>: Open or no the commands menu at load time", false,
     applySwitch<&S::onMenu, false>, writeSwitch<&S::onMenu>},
    {"char", "", false, applyNothing, nullptr},
    {"tabexpand", "set tabexpand <col>: Set the number of columns used to expand tabs", false,
     applyNumber<&S::tabExpand, 8, tabWidthOrDefault>, writeNumber<&S::tabExpand>},
    {"delimiters", "set delimiters <delim>: Set the characters that separate a word", false, applyDelimiters,
     writeDelimiters},
    {"blankcompress", "set blankcompress <on/off>: Enable or disable the blank compression", false,
     applySwitch<&S::blankCompress, false>, writeSwitch<&S::blankCompress>},
    {"vbstimeout", "set vbstimeout <value>: Set the vbs timeout in milliseconds", false,
     applyNumber<&S::vbsTimeout, 60000, timeoutOrNoLimit>, writeNumber<&S::vbsTimeout>},
    {"vbsrefresh", "set vbsrefresh <on/off>: Enable or disable the refresh during vbs", false,
     applySwitch<&S::vbsRefresh, true>, writeSwitch<&S::vbsRefresh>},
    {"wheelscrollline", "set wheelscrollline <line>: Set the nr. of lines to scroll with the wheel", false,
     applyNumber<&S::wheelScrollLine, 1, atLeastOne>, writeNumber<&S::wheelScrollLine>},
    {"vbsload", "set vbsload <filename>: Load this script file after TARN.vbs", false,
     applyText<&S::vbsLoad, false>, writeText<&S::vbsLoad>},
    {"syntaxcoloringset", "set syntaxcoloringset<n> <set>: Set the syntax coloring set commands", true,
     applySyntaxCommands, writeSyntaxCommands},
    {"codepage", "set codepage <number>: Set the console output codepage", false, applyCodePage, writeCodePage},
    {"borders", "set borders <characters>: Set the borders characters", false, applyBorders,
     writeText<&S::borders>},
    {"cursor", "set cursor <size> <size>: Set the cursor replace and insert sizes", false, applyCursor,
     writeCursor},
    {"syntaxcoloringpro", "set syntaxcoloringpro<n> <set>: Set the syntax coloring profile file", true,
     applySyntaxProfile, writeSyntaxProfile},
    {"showbookmarks", "set showbookmarks <on/off>: Show or no the bookmarks position in the file", false,
     applyFileSwitch<&S::showBookmarks, true, opt::kShowBookmarks>, writeSwitch<&S::showBookmarks>},
    {"locateswitch", "set locateswitch <*-mnewsaxofichtbr#lg>: Set the default locate command switches", false,
     applySwitches<&S::locateSwitch>, writeText<&S::locateSwitch>},
    {"changeswitch", "set changeswitch <*-mnewpaxoichtb#>: Set the default change command switches", false,
     applySwitches<&S::changeSwitch>, writeText<&S::changeSwitch>},
    {"linesback", "set linesback <value>: Set the no. of lines to search back in autocomplete", false,
     applyNumber<&S::linesBack, 10000, atLeastZero>, writeNumber<&S::linesBack>},
    {"autosave", "set autosave <value>: Set the no. of seconds to auto save modified files", false,
     applyAutosave, writeNumber<&S::autosave>},
    {"carriagereturn", "set carriagereturn <on/off>: Add or no the CR at the end of the line", false,
     applyFileBit<&S::carriageReturn, true, opt::kLineEnd, lineend::kNoCarriageReturn, true>,
     writeSwitch<&S::carriageReturn>},
    {"expandon", "set expandon <key>: Set the key to enable auto expand on space key", false,
     applyKeyState<&S::expandOn, true>, writeKeyState<&S::expandOn>},
    {"autocompleteon", "set autocompleteon <key>: Set the key to enable autocomplete on space key", false,
     applyKeyState<&S::autocompleteOn, true>, writeKeyState<&S::autocompleteOn>},
    {"markon", "set markon <key>: Set the key to mark the text using the arrow keys", false, applyMarkOn,
     writeKeyState<&S::markOn>},
    {"popupmenuon", "set popupmenuon <key> <on/off>: Set the mouse key used to open the popup menu", false,
     applyPopupMenu, writePopupMenu},
    {"tabinsert", "set tabinsert <on/off>: Set the tab to indent the line in insert mode", false,
     applyFileSwitch<&S::tabInsert, false, opt::kTabInsert>, writeSwitch<&S::tabInsert>},
    {"charset", "set charset <oem/ansi>: Set the charset used to display the charcters", false, applyCharset,
     writeCharset},
    {"openwith", "set openwith <ext> ...: Set the file extensions to associate with TARN", false,
     applyWordList<&S::openWith>, writeWordList<&S::openWith>},
    {"linesforward", "set linesforward <value>: Set the no. of lines to search forward in autocomplete", false,
     applyNumber<&S::linesForward, 10000, atLeastZero>, writeNumber<&S::linesForward>},
    {"tabbed", "set tabbed <on/off> <columns>: Enable the tabbed windows and set the tab width", false,
     applyTabbed, writeTabbed},
    {"currentline", "set currentline <on/off/toggle>: Highlight or no the current line of the active file", false,
     applyHighlight<&S::currentLine>, writeSwitch<&S::currentLine>},
    {"vocompatibility", "set vocompatibility <on/off>: Enable or disable the VO compatibility mode", false,
     applyFileBit<&S::voCompatibility, false, opt::kBehaviour, kCompatBit, false>,
     writeSwitch<&S::voCompatibility>},
    {"currentpos",
     "set currentpos <on/off/toggle>: Highlight or no the current cursor position when in command line", false,
     applyHighlight<&S::currentPos>, writeSwitch<&S::currentPos>},
    {"abbrev", "set abbrev <on/off>: Display or no the commands abbreviated form", false,
     applySwitch<&S::abbrev, false>, writeSwitch<&S::abbrev>},
    {"pyload", "set pyload <filename>: Load this script file after TARN.py", false,
     applyText<&S::pyLoad, false>, writeText<&S::pyLoad>},
    {"pyver", "set pyver <32/64>: Set to use the 32 or 64 bit Python interpreter", false, applyPyVer,
     writeNumber<&S::pyVer>},
    {"keeptabs", "set keeptabs <on/off>: Keep the tab characters of the files loaded", false, applyKeepTabs,
     writeSwitch<&S::keepTabs>},
    {"keeplineends", "set keeplineends <on/off>: Save each file with the line ends it was loaded with", false,
     applySwitch<&S::keepLineEnds, true>, writeSwitch<&S::keepLineEnds>},
};


}  // namespace

std::span<const OptionEntry> optionTable() { return kOptions; }

std::optional<std::size_t> findOption(std::string_view name) {
  static const std::unordered_map<std::string_view, std::size_t> kByName = [] {
    std::unordered_map<std::string_view, std::size_t> map;
    for (std::size_t i = 0; i < std::size(kOptions); ++i) map.emplace(kOptions[i].name, i);
    return map;
  }();
  auto found = kByName.find(name);
  if (found == kByName.end()) return std::nullopt;
  return found->second;
}

}  // namespace tarn::command
