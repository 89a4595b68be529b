// The values of every `set` option. The command layer parses `set` lines
// into them and writes them back; every layer reads them.
#pragma once
#include <array>
#include <string>
#include <vector>

namespace tarn {

// Modifier state named by historyon, expandon, autocompleteon, markon.
enum class KeyState { ScrollLockOn = 0, ScrollLockOff = 1, Shift = 2, Control = 3, Alt = 4, Off = 5 };

// Mouse action named by popupmenuon.
enum class MouseAction { RightButton = 0, LeftButton = 1, DoubleClick = 2, Off = 3 };

// Trim bits of linetrim.
namespace trim {
constexpr int kLeading = 1;
constexpr int kTrailing = 2;
constexpr int kCompress = 4;
}  // namespace trim

// Console colours 0..15 in the order of the colour names.
namespace colour {
constexpr int kBlack = 0, kBlue = 1, kGreen = 2, kAqua = 3, kRed = 4, kPurple = 5, kYellow = 6,
              kWhite = 7, kGray = 8, kLightBlue = 9, kLightGreen = 10, kLightAqua = 11,
              kLightRed = 12, kLightPurple = 13, kLightYellow = 14, kBrightWhite = 15;
}  // namespace colour

constexpr int kSyntaxSets = 20;

struct SyntaxSetSettings {
  std::array<int, 12> colours{colour::kBlue, colour::kLightAqua,   colour::kBlue, colour::kLightAqua,
                              colour::kBlue, colour::kLightYellow, colour::kBlue, colour::kLightYellow,
                              colour::kBlue, colour::kGreen,       colour::kBlue, colour::kBrightWhite};
  std::vector<std::string> extensions;  // lower case, or "*"
  std::string setCommands;
  std::string profile;
};

struct Settings {
  // tabs: two numbers (first column and step) or a list of columns
  int tabFirst = 9;
  int tabStep = 8;
  bool tabsAsList = false;
  std::string tabList;

  // colors: background/foreground pairs of text, mark, command line,
  // messages (foreground first) and lists
  std::array<int, 10> colours{colour::kBlue,  colour::kBrightWhite, colour::kRed,
                              colour::kBrightWhite, colour::kGreen, colour::kBrightWhite,
                              colour::kBrightWhite, colour::kGreen, colour::kBrightWhite,
                              colour::kBlue};
  std::array<SyntaxSetSettings, kSyntaxSets> syntax;

  int leftMargin = 1;
  int rightMargin = 80;
  int paragraphMargin = 1;
  int longestLine = 32767;

  std::string printer;
  bool backupAll = false;
  std::vector<std::string> backupPatterns;  // lower case, "*.ext" for ".ext"
  KeyState historyOn = KeyState::ScrollLockOn;
  int lineTrim = 0;
  std::string helpFile;
  bool confirm = false;
  bool insert = false;
  std::string dateTemplate = "[dd]/[mm]/[yy]";
  std::string timeTemplate = "[24]:[mm]:[ss]";
  bool encryption = false;
  bool restoreCursor = true;

  bool statusLine = true;
  int statusBackground = colour::kBlack;
  int statusForeground = colour::kBrightWhite;
  int statusModifiedForeground = colour::kLightYellow;
  bool statusFifth = true;

  bool commandLine = true;
  bool commandLineSecond = true;
  bool commandLineThird = true;
  std::string commandLineColour;

  bool bkspInFreeSpace = true;
  bool eof = false;
  bool lineFeed = true;
  bool carriageReturn = true;
  bool wordWrap = false;
  bool upperCase = false;
  bool onCommand = true;
  bool onMenu = false;
  int tabExpand = 8;
  bool blankCompress = false;
  bool keepTabs = false;      // files are loaded with their tab characters
  bool keepLineEnds = false;  // a file's line ends are detected on loading and kept on saving
  int vbsTimeout = 60000;
  bool vbsRefresh = true;
  int wheelScrollLine = 1;
  std::string vbsLoad;
  int codePage = 437;
  std::string borders;
  int cursorReplace = 20;
  int cursorInsert = 90;
  bool showBookmarks = true;
  std::string locateSwitch;
  std::string changeSwitch;
  int linesBack = 10000;
  int linesForward = 10000;
  int autosave = 0;
  KeyState expandOn = KeyState::ScrollLockOn;
  KeyState autocompleteOn = KeyState::ScrollLockOn;
  KeyState markOn = KeyState::Shift;
  MouseAction popupMenuOn = MouseAction::RightButton;
  bool popupMenuMovesCursor = true;
  bool tabInsert = false;
  int charset = 0;  // 0 oem, 1 ansi
  std::vector<std::string> openWith;
  bool tabbed = false;
  int tabWidth = 14;
  bool currentLine = false;
  bool voCompatibility = false;
  bool currentPos = true;
  bool abbrev = false;
  std::string pyLoad;
  int pyVer = 32;
};

}  // namespace tarn
