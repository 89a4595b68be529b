#include "command/option_handlers.h"

#include <array>

#include "core/function_codes.h"
#include "core/options.h"
#include "core/tab_stops.h"

namespace tarn::command::option {
namespace {

// The longest list of tab columns.
constexpr std::size_t kLongestTabList = 1024;
constexpr int kLongestLine = 32767;
constexpr int kLongestTabWidth = 1023;
// Borders: the first 12 characters are the window frame.
constexpr std::size_t kBorderCharacters = 12;

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

SyntaxSetSettings& syntaxSet(OptionInput& in) { return in.editor.settings.syntax[static_cast<std::size_t>(in.set)]; }
const SyntaxSetSettings& syntaxSet(const Editor& editor, int set) {
  return editor.settings.syntax[static_cast<std::size_t>(set)];
}

bool isSupportedCodePage(int codePage) {
  return codePage == 437 || codePage == 850 || codePage == 1252 || codePage == 28591;
}

void useCodePage(Editor& editor, int codePage) {
  editor.settings.codePage = codePage;
  editor.console.setCodePage(codePage);
}

}  // namespace

// --- colours ----------------------------------------------------------------

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
    std::string list(in.rest.substr(0, kLongestTabList));
    if (!setTabStopList(in.editor.engine.tabStops(), list)) return refused(list);
    s.tabsAsList = true;
    s.tabList = std::move(list);
  }
  applyTabSettings(in.editor.engine.tabStops(), s);
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
  const int left = value(0, 1);
  const int rightAndParagraph[] = {value(1, 80), value(2, left)};
  // Lines never grow beyond what the text store holds.
  s.longestLine = std::min(value(3, kLongestLine), kLongestLine);
  setFileOption(in.editor, opt::kLongestLine, s.longestLine);
  // The engine checks the margins against the longest line.
  in.editor.engine.send(in.editor.currentDocument(), fn::kSetMargins, left,
                        reinterpret_cast<intptr_t>(rightAndParagraph));
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
  std::string value(withoutQuotes(in.rest));
  if (!in.editor.engine.wordSeparators().rebuild(value)) return refused(value);
  return kTaken;
}

std::string writeDelimiters(const Editor& editor, int) {
  return "\"" + editor.engine.wordSeparators().listed() + "\"";
}

// --- console ----------------------------------------------------------------

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

// Files loaded from now on take it; a file loaded already keeps the tabs
// it was loaded with.
Refusal applyKeepTabs(OptionInput& in) {
  applySwitch<&Settings::keepTabs, true>(in);
  in.editor.engine.send(nullptr, fn::kSetOption, in.editor.settings.keepTabs ? 1 : 0, opt::kKeepTabs);
  return kTaken;
}

Refusal applyNothing(OptionInput&) { return kTaken; }

// The number is read, and the 32-bit interpreter is the one there is.
Refusal applyPyVer(OptionInput& in) {
  if (!in.words.empty()) readDecimal(in.words[0]);
  in.editor.settings.pyVer = 32;
  return kTaken;
}

}  // namespace tarn::command::option
