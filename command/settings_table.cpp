// The option rows and their handlers. Each handler reads its values, keeps
// them in Settings, and hands them on where another part acts on them at
// once (the current file, the engine's tab stops, the screen, the console,
// the autosave timer).
#include "command/settings_table.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "command/ascii.h"
#include "command/decimal.h"
#include "command/file_options.h"
#include "command/setting_words.h"
#include "core/editor.h"
#include "core/options.h"
#include "core/tab_stops.h"

namespace tarn::command {
namespace {

using Refusal = std::optional<std::string>;
constexpr Refusal kTaken = std::nullopt;

// The longest list of tab columns, and of locate or change switches.
constexpr std::size_t kLongestTabList = 1024;
constexpr std::size_t kLongestSwitches = 49;
constexpr int kLongestLine = 32767;
constexpr int kLongestTabWidth = 1023;
// Borders: the first 12 characters are the window frame.
constexpr std::size_t kBorderCharacters = 12;

std::string_view word(const OptionInput& in, std::size_t i) {
  return i < in.words.size() ? in.words[i] : std::string_view();
}

std::string refused(std::string_view value) { return std::string(value); }

std::string joined(const std::vector<std::string>& list) {
  std::string text;
  for (const std::string& item : list) {
    if (!text.empty()) text += ' ';
    text += item;
  }
  return text;
}

std::vector<std::string> loweredWords(const OptionInput& in) {
  std::vector<std::string> list;
  for (std::string_view w : in.words) list.push_back(asciiLower(w));
  return list;
}

std::string_view withoutQuotes(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

// --- generic rows -----------------------------------------------------------

template <bool Settings::*Field, bool Missing>
Refusal applySwitch(OptionInput& in) {
  in.editor.settings.*Field = in.words.empty() ? Missing : switchValue(in.words[0]) != 0;
  return kTaken;
}

// A switch that is also per-file option Index.
template <bool Settings::*Field, bool Missing, int Index>
Refusal applyFileSwitch(OptionInput& in) {
  applySwitch<Field, Missing>(in);
  setFileOption(in.editor, Index, in.editor.settings.*Field ? 1 : 0);
  return kTaken;
}

// A switch that is also a bit of per-file option Index, set while the
// switch is on (or, Inverted, while it is off).
template <bool Settings::*Field, bool Missing, int Index, int Bit, bool Inverted>
Refusal applyFileBit(OptionInput& in) {
  applySwitch<Field, Missing>(in);
  setFileOptionBit(in.editor, Index, Bit, in.editor.settings.*Field != Inverted);
  return kTaken;
}

template <bool Settings::*Field>
std::string writeSwitch(const Editor& editor, int) {
  return std::string(switchName(editor.settings.*Field));
}

template <bool Settings::*Field>
Refusal applyHighlight(OptionInput& in) {
  bool& value = in.editor.settings.*Field;
  value = in.words.empty() ? false : highlightValue(in.words[0], value);
  return kTaken;
}

// Text as typed; KeepWhenMissing: an empty value leaves the text as it was.
template <std::string Settings::*Field, bool KeepWhenMissing>
Refusal applyText(OptionInput& in) {
  if (!in.rest.empty() || !KeepWhenMissing) in.editor.settings.*Field = std::string(in.rest);
  return kTaken;
}

template <std::string Settings::*Field>
std::string writeText(const Editor& editor, int) {
  return editor.settings.*Field;
}

template <int Settings::*Field>
std::string writeNumber(const Editor& editor, int) {
  return std::to_string(editor.settings.*Field);
}

template <std::vector<std::string> Settings::*Field>
Refusal applyWordList(OptionInput& in) {
  in.editor.settings.*Field = loweredWords(in);
  return kTaken;
}

template <std::vector<std::string> Settings::*Field>
std::string writeWordList(const Editor& editor, int) {
  return joined(editor.settings.*Field);
}

// historyon, expandon, autocompleteon.
template <KeyState Settings::*Field, bool AltRefused>
Refusal applyKeyState(OptionInput& in) {
  if (in.words.empty()) return kTaken;
  auto state = keyStateValue(in.words[0]);
  if (!state || (AltRefused && *state == KeyState::Alt)) return refused(in.words[0]);
  in.editor.settings.*Field = *state;
  return kTaken;
}

template <KeyState Settings::*Field>
std::string writeKeyState(const Editor& editor, int) {
  return std::string(keyStateName(editor.settings.*Field));
}

// A number with the value it takes when missing and a rule for the values
// it cannot take.
template <int Settings::*Field, int Missing, int (*Normalise)(int)>
Refusal applyNumber(OptionInput& in) {
  in.editor.settings.*Field = Normalise(in.words.empty() ? Missing : readDecimal(in.words[0]));
  return kTaken;
}

int atLeastZero(int value) { return std::max(value, 0); }
int atLeastOne(int value) { return std::max(value, 1); }
int tabWidthOrDefault(int value) { return value < 1 ? 8 : value; }
int timeoutOrNoLimit(int value) { return value <= 0 ? -1 : value; }

// --- colours ----------------------------------------------------------------

// Each word that is missing or no colour takes the fallback of its place.
template <std::size_t N>
void readColours(std::array<int, N>& colours, std::span<const std::string_view> words,
                 const std::array<int, N>& fallback) {
  for (std::size_t i = 0; i < N; ++i) {
    auto colour = i < words.size() ? colourValue(words[i]) : std::nullopt;
    colours[i] = colour.value_or(fallback[i]);
  }
}

std::string colourNames(std::span<const int> colours) {
  std::string text;
  for (int colour : colours) {
    if (!text.empty()) text += ' ';
    text += colourName(colour);
  }
  return text;
}

Refusal applyColours(OptionInput& in) {
  using namespace colour;
  static constexpr std::array<int, 10> kFallback{kBlue, kBrightWhite, kRed,  kLightYellow, kAqua,
                                                 kBlack, kBlack,      kAqua, kBrightWhite, kBlue};
  readColours(in.editor.settings.colours, in.words, kFallback);
  return kTaken;
}

std::string writeColours(const Editor& editor, int) { return colourNames(editor.settings.colours); }

Refusal applySyntaxColours(OptionInput& in) {
  // A set's fallbacks are the colours every set starts with.
  static const std::array<int, 12> kFallback = SyntaxSetSettings{}.colours;
  readColours(in.editor.settings.syntax[static_cast<std::size_t>(in.set)].colours, in.words, kFallback);
  return kTaken;
}

std::string writeSyntaxColours(const Editor& editor, int set) {
  return colourNames(editor.settings.syntax[static_cast<std::size_t>(set)].colours);
}

// --- syntax sets ------------------------------------------------------------

SyntaxSetSettings& syntaxSet(OptionInput& in) { return in.editor.settings.syntax[static_cast<std::size_t>(in.set)]; }
const SyntaxSetSettings& syntaxSet(const Editor& editor, int set) {
  return editor.settings.syntax[static_cast<std::size_t>(set)];
}

Refusal applySyntaxExtensions(OptionInput& in) {
  syntaxSet(in).extensions = loweredWords(in);
  return kTaken;
}
std::string writeSyntaxExtensions(const Editor& editor, int set) { return joined(syntaxSet(editor, set).extensions); }

Refusal applySyntaxCommands(OptionInput& in) {
  syntaxSet(in).setCommands = std::string(in.rest);
  return kTaken;
}
std::string writeSyntaxCommands(const Editor& editor, int set) { return syntaxSet(editor, set).setCommands; }

Refusal applySyntaxProfile(OptionInput& in) {
  syntaxSet(in).profile = std::string(in.rest);
  return kTaken;
}
std::string writeSyntaxProfile(const Editor& editor, int set) { return syntaxSet(editor, set).profile; }

// --- layout and text --------------------------------------------------------

Refusal applyTabs(OptionInput& in) {
  Settings& s = in.editor.settings;
  if (in.words.empty()) return kTaken;
  if (in.words.size() == 2) {
    const int first = readDecimal(in.words[0]);
    const int step = readDecimal(in.words[1]);
    s.tabFirst = first < 1 ? 9 : first;
    s.tabStep = step < 1 ? 8 : step;
    s.tabsAsList = false;
    s.tabList.clear();
  } else {
    s.tabsAsList = true;
    s.tabList = std::string(in.rest.substr(0, kLongestTabList));
  }
  fillTabStops(in.editor.engine, s);
  return kTaken;
}

std::string writeTabs(const Editor& editor, int) {
  const Settings& s = editor.settings;
  if (s.tabsAsList) return s.tabList;
  return std::to_string(s.tabFirst) + " " + std::to_string(s.tabStep);
}

Refusal applyMargins(OptionInput& in) {
  Settings& s = in.editor.settings;
  // A value below 1, or none, takes the default of its place.
  auto value = [&](std::size_t i, int fallback) {
    const int given = i < in.words.size() ? readDecimal(in.words[i]) : 0;
    return given < 1 ? fallback : given;
  };
  s.leftMargin = value(0, 1);
  s.rightMargin = value(1, 80);
  s.paragraphMargin = value(2, s.leftMargin);
  // Lines never grow beyond what the text store holds.
  s.longestLine = std::min(value(3, kLongestLine), kLongestLine);
  setFileOption(in.editor, opt::kLongestLine, s.longestLine);
  return kTaken;
}

std::string writeMargins(const Editor& editor, int) {
  const Settings& s = editor.settings;
  return std::to_string(s.leftMargin) + " " + std::to_string(s.rightMargin) + " " +
         std::to_string(s.paragraphMargin) + " " + std::to_string(s.longestLine);
}

Refusal applyDisplay(OptionInput& in) {
  if (in.words.empty()) return kTaken;
  const std::string size = asciiLower(in.words[0]);
  ConsoleSize wanted = in.editor.console.size();
  if (size == "large") {
    wanted = {80, 25};
  } else if (size == "small") {
    wanted = {80, 50};
  } else if (size == "max") {
    wanted = in.editor.console.largestSize();
  } else {
    wanted.rows = readDecimal(in.words[0]);
    if (in.words.size() > 1) wanted.columns = readDecimal(in.words[1]);
  }
  in.editor.screen.setScreenSize(wanted.rows, wanted.columns);
  return kTaken;
}

std::string writeDisplay(const Editor& editor, int) {
  const ConsoleSize size = editor.console.size();
  return std::to_string(size.rows) + " " + std::to_string(size.columns);
}

// An empty printer name stands for the system's default printer.
Refusal applyPrinter(OptionInput& in) {
  const std::string_view name = withoutQuotes(in.rest);
  in.editor.settings.printer = asciiLower(name) == "default" ? std::string() : std::string(name);
  return kTaken;
}

std::string writePrinter(const Editor& editor, int) {
  return editor.settings.printer.empty() ? "default" : editor.settings.printer;
}

// ".ext" is kept as "*.ext"; "*" backs up every file.
Refusal applyBackup(OptionInput& in) {
  Settings& s = in.editor.settings;
  s.backupPatterns.clear();
  for (std::string pattern : loweredWords(in)) {
    if (pattern.front() == '.') pattern.insert(0, "*");
    s.backupPatterns.push_back(std::move(pattern));
  }
  s.backupAll = std::find(s.backupPatterns.begin(), s.backupPatterns.end(), "*") != s.backupPatterns.end();
  return kTaken;
}

Refusal applyLineTrim(OptionInput& in) {
  int bits = 0;
  for (std::string_view w : in.words) bits |= trimValue(w);
  in.editor.settings.lineTrim = bits & (trim::kLeading | trim::kTrailing | trim::kCompress);
  return kTaken;
}

std::string writeLineTrim(const Editor& editor, int) {
  const int bits = editor.settings.lineTrim;
  std::vector<std::string> names;
  if (bits & trim::kLeading) names.emplace_back("leading");
  if (bits & trim::kTrailing) names.emplace_back("trailing");
  if (bits & trim::kCompress) names.emplace_back("compress");
  return names.empty() ? "off" : joined(names);
}

Refusal applyEncryption(OptionInput& in) {
  applySwitch<&Settings::encryption, false>(in);
  if (WindowRecord* window = in.editor.currentWindow()) {
    if (in.editor.settings.encryption) {
      window->flags |= winflag::kEncrypted;
    } else {
      window->flags &= ~winflag::kEncrypted;
    }
  }
  in.editor.files.clearPassword();
  return kTaken;
}

// on/off, background, foreground, foreground of a modified file, and a
// further switch. A missing colour keeps its value; a word that is no
// colour takes the start-up colour of its place.
Refusal applyStatusLine(OptionInput& in) {
  Settings& s = in.editor.settings;
  s.statusLine = !in.words.empty() && switchValue(in.words[0]) != 0;
  auto colourAt = [&](std::size_t i, int& field, int fallback) {
    if (i < in.words.size()) field = colourValue(in.words[i]).value_or(fallback);
  };
  colourAt(1, s.statusBackground, colour::kBlack);
  colourAt(2, s.statusForeground, colour::kBrightWhite);
  colourAt(3, s.statusModifiedForeground, colour::kLightYellow);
  if (in.words.size() > 4) s.statusFifth = switchValue(in.words[4]) != 0;
  in.editor.screen.layout();
  return kTaken;
}

std::string writeStatusLine(const Editor& editor, int) {
  const Settings& s = editor.settings;
  return std::string(switchName(s.statusLine)) + " " + std::string(colourName(s.statusBackground)) + " " +
         std::string(colourName(s.statusForeground)) + " " + std::string(colourName(s.statusModifiedForeground)) +
         " " + std::string(switchName(s.statusFifth));
}

Refusal applyCommandLine(OptionInput& in) {
  Settings& s = in.editor.settings;
  auto switchAt = [&](std::size_t i, bool missing) {
    return i < in.words.size() ? switchValue(in.words[i]) != 0 : missing;
  };
  s.commandLine = switchAt(0, false);
  s.commandLineSecond = switchAt(1, true);
  s.commandLineThird = switchAt(2, true);
  s.commandLineColour = asciiLower(word(in, 3));
  in.editor.screen.layout();
  return kTaken;
}

std::string writeCommandLine(const Editor& editor, int) {
  const Settings& s = editor.settings;
  std::string text = std::string(switchName(s.commandLine)) + " " + std::string(switchName(s.commandLineSecond)) +
                     " " + std::string(switchName(s.commandLineThird));
  if (!s.commandLineColour.empty()) text += " " + s.commandLineColour;
  return text;
}

Refusal applyDelimiters(OptionInput& in) {
  if (in.rest.empty()) return kTaken;
  Settings& s = in.editor.settings;
  s.delimiters = std::string(withoutQuotes(in.rest));
  s.delimitersSet = true;
  // The word-separator table (core/word_separators.h) is rebuilt from
  // s.delimiters here once the editing layer provides it.
  return kTaken;
}

std::string writeDelimiters(const Editor& editor, int) {
  // Before any `set delimiters` the separators are the engine's own:
  // tab, line feed, carriage return and blank.
  const Settings& s = editor.settings;
  return "\"" + (s.delimitersSet ? s.delimiters : std::string("\\t\\n\\r ")) + "\"";
}

// --- console ----------------------------------------------------------------

bool isSupportedCodePage(int codePage) {
  return codePage == 437 || codePage == 850 || codePage == 1252 || codePage == 28591;
}

void useCodePage(Editor& editor, int codePage) {
  editor.settings.codePage = codePage;
  editor.console.setCodePage(codePage);
}

// Only the code pages the console can show are taken; any other number is
// refused and the code page stays.
Refusal applyCodePage(OptionInput& in) {
  if (in.words.empty()) return kTaken;
  const int codePage = readDecimal(in.words[0]);
  if (!isSupportedCodePage(codePage)) return refused(in.words[0]);
  useCodePage(in.editor, codePage);
  return kTaken;
}

std::string writeCodePage(const Editor& editor, int) { return std::to_string(editor.console.codePage()); }

// The system's OEM and ANSI code pages.
Refusal applyCharset(OptionInput& in) {
  auto charset = in.words.empty() ? std::optional<int>(0) : charsetValue(in.words[0]);
  if (!charset) return refused(in.words[0]);
  in.editor.settings.charset = *charset;
  useCodePage(in.editor, *charset == 1 ? 1252 : 437);
  return kTaken;
}

std::string writeCharset(const Editor& editor, int) { return std::string(charsetName(editor.settings.charset)); }

Refusal applyBorders(OptionInput& in) {
  if (in.rest.empty()) return kTaken;
  if (in.rest.size() < kBorderCharacters) return refused(in.rest);
  in.editor.settings.borders = std::string(in.rest);
  return kTaken;
}

Refusal applyCursor(OptionInput& in) {
  Settings& s = in.editor.settings;
  auto size = [&](std::size_t i, int fallback) {
    const int percent = i < in.words.size() ? readDecimal(in.words[i]) : 0;
    return percent >= 1 && percent <= 100 ? percent : fallback;
  };
  s.cursorReplace = size(0, 20);
  s.cursorInsert = size(1, 90);
  in.editor.screen.placeCursor();
  return kTaken;
}

std::string writeCursor(const Editor& editor, int) {
  return std::to_string(editor.settings.cursorReplace) + " " + std::to_string(editor.settings.cursorInsert);
}

Refusal applyAutosave(OptionInput& in) {
  const int seconds = in.words.empty() ? 0 : std::max(readDecimal(in.words[0]), 0);
  in.editor.settings.autosave = seconds;
  in.editor.autosave.setInterval(seconds);
  return kTaken;
}

// --- keys and mouse ---------------------------------------------------------

Refusal applyMarkOn(OptionInput& in) {
  if (in.words.empty()) return kTaken;
  auto state = keyStateValue(in.words[0]);
  if (!state || *state == KeyState::ScrollLockOn || *state == KeyState::ScrollLockOff) return refused(in.words[0]);
  in.editor.settings.markOn = *state;
  return kTaken;
}

Refusal applyPopupMenu(OptionInput& in) {
  Settings& s = in.editor.settings;
  if (!in.words.empty()) {
    auto action = mouseValue(in.words[0]);
    if (!action) return refused(in.words[0]);
    s.popupMenuOn = *action;
  }
  s.popupMenuMovesCursor = in.words.size() > 1 ? switchValue(in.words[1]) != 0 : true;
  return kTaken;
}

std::string writePopupMenu(const Editor& editor, int) {
  return std::string(mouseName(editor.settings.popupMenuOn)) + " " +
         std::string(switchName(editor.settings.popupMenuMovesCursor));
}

Refusal applyTabbed(OptionInput& in) {
  Settings& s = in.editor.settings;
  s.tabbed = !in.words.empty() && switchValue(in.words[0]) != 0;
  if (in.words.size() > 1) {
    const int width = readDecimal(in.words[1]);
    s.tabWidth = width >= 1 && width <= kLongestTabWidth ? width : 14;
  }
  in.editor.screen.layout();
  return kTaken;
}

std::string writeTabbed(const Editor& editor, int) {
  return std::string(switchName(editor.settings.tabbed)) + " " + std::to_string(editor.settings.tabWidth);
}

// --- the rest ---------------------------------------------------------------

// Switches for the locate and change commands, in lower case.
template <std::string Settings::*Field>
Refusal applySwitches(OptionInput& in) {
  in.editor.settings.*Field = asciiLower(in.rest.substr(0, kLongestSwitches));
  return kTaken;
}

Refusal applyNothing(OptionInput&) { return kTaken; }

// The number is read, and the 32-bit interpreter is the one there is.
Refusal applyPyVer(OptionInput& in) {
  if (!in.words.empty()) readDecimal(in.words[0]);
  in.editor.settings.pyVer = 32;
  return kTaken;
}

using S = Settings;
constexpr int kBkspBit = behaviour::kRuboutInFreeSpace;
constexpr int kCompatBit = behaviour::kCompatibility;

constexpr OptionSpec kOptions[] = {
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
};

}  // namespace

std::span<const OptionSpec> optionTable() { return kOptions; }

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
