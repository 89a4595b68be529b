#include "command/settings_command.h"

#include <gtest/gtest.h>

#include <memory>

#include "command/help_texts.h"
#include "core/slot_ops.h"
#include "editor_fixture.h"

namespace tarn::command {
namespace {

class SettingsCommandTest : public ::testing::Test, public EditorFixture {
 protected:
  int option(Document* doc, int index) { return editor.engine.send(doc, fn::kGetOption, 0, index); }
  Document* openFile() {
    EXPECT_GE(openSlot(editor, SlotOpening{"settings-test.txt"}), 0);
    return editor.currentDocument();
  }
};

// Each case runs its lines on a fresh editor and reads one option back.
TEST(SettingsWriteBack, EveryOptionReadsItsValuesAndWritesThemBack) {
  struct Case {
    std::vector<std::string> lines;
    std::string_view option;
    std::string written;
  };
  const Case cases[] = {
      {{}, "tabs", "set tabs 9 8"},
      {{"set tabs 5 4"}, "tabs", "set tabs 5 4"},
      {{"set tabs 0 -2"}, "tabs", "set tabs 9 8"},
      {{"set tabs 5 10  20"}, "tabs", "set tabs 5 10  20"},
      {{"set tabs 7"}, "tabs", "set tabs 7"},
      {{"set tabs 5 4", "set tabs"}, "tabs", "set tabs 5 4"},
      {{}, "colors", "set colors blue brightwhite red brightwhite green brightwhite brightwhite green brightwhite blue"},
      {{"set colors Red"}, "colors", "set colors red brightwhite red lightyellow aqua black black aqua brightwhite blue"},
      {{"set colors nocolour Yellow"}, "colors",
       "set colors blue yellow red lightyellow aqua black black aqua brightwhite blue"},
      {{}, "syntaxcoloring7",
       "set syntaxcoloring7 blue lightaqua blue lightaqua blue lightyellow blue lightyellow blue green blue brightwhite"},
      {{"set syntaxcoloring19 red green"}, "syntaxcoloring19",
       "set syntaxcoloring19 red green blue lightaqua blue lightyellow blue lightyellow blue green blue brightwhite"},
      {{"set syntaxcoloring gray"}, "syntaxcoloring0",
       "set syntaxcoloring0 gray lightaqua blue lightaqua blue lightyellow blue lightyellow blue green blue brightwhite"},
      {{"set SyntaxColoringExt2 .C .H Makefile"}, "syntaxcoloringext2", "set syntaxcoloringext2 .c .h makefile"},
      {{"set syntaxcoloringext2 .c", "set syntaxcoloringext2"}, "syntaxcoloringext2", "set syntaxcoloringext2"},
      {{"set syntaxcoloringset3 tabs 3 3, Margins 1 72 1"}, "syntaxcoloringset3",
       "set syntaxcoloringset3 tabs 3 3, Margins 1 72 1"},
      {{"set syntaxcoloringpro4 /home/me/C.pro"}, "syntaxcoloringpro4", "set syntaxcoloringpro4 /home/me/C.pro"},
      {{}, "margins", "set margins 1 80 1 32767"},
      {{"set margins 10"}, "margins", "set margins 10 80 10 32767"},
      {{"set margins 0 0 0"}, "margins", "set margins 1 80 1 32767"},
      {{"set margins 5 70 8 200"}, "margins", "set margins 5 70 8 200"},
      {{"set margins 5 70 8 99999"}, "margins", "set margins 5 70 8 32767"},
      {{}, "display", "set display 25 80"},
      {{}, "printer", "set printer default"},
      {{"set printer \"Office Laser\""}, "printer", "set printer Office Laser"},
      {{"set printer lp0", "set printer"}, "printer", "set printer default"},
      {{"set backup .TXT notes.bak"}, "backup", "set backup *.txt notes.bak"},
      {{"set backup .txt", "set backup"}, "backup", "set backup"},
      {{}, "historyon", "set historyon scrolllockon"},
      {{"set historyon ScrollLockOff"}, "historyon", "set historyon scrolllockoff"},
      {{"set historyon 3"}, "historyon", "set historyon control"},
      {{"set historyon shift", "set historyon"}, "historyon", "set historyon shift"},
      {{}, "linetrim", "set linetrim off"},
      {{"set linetrim compress Leading"}, "linetrim", "set linetrim leading compress"},
      {{"set linetrim trailing", "set linetrim off"}, "linetrim", "set linetrim off"},
      {{"set linetrim trailing", "set linetrim"}, "linetrim", "set linetrim off"},
      {{"set helpfile /usr/share/Doc/Help.txt"}, "helpfile", "set helpfile /usr/share/Doc/Help.txt"},
      {{"set helpfile a.txt", "set helpfile"}, "helpfile", "set helpfile a.txt"},
      {{"set confirm on", "set confirm"}, "confirm", "set confirm off"},
      {{"set insert ON"}, "insert", "set insert on"},
      {{}, "date", "set date [dd]/[mm]/[yy]"},
      {{"set date  [yyyy]-[mm]-[dd] "}, "date", "set date  [yyyy]-[mm]-[dd]"},
      {{"set time [12]:[mm] [am]", "set time"}, "time", "set time [12]:[mm] [am]"},
      {{"set encryption on"}, "encryption", "set encryption on"},
      {{}, "restorecursor", "set restorecursor on"},
      {{"set restorecursor"}, "restorecursor", "set restorecursor off"},
      {{}, "statusline", "set statusline on black brightwhite lightyellow on"},
      {{"set statusline"}, "statusline", "set statusline off black brightwhite lightyellow on"},
      {{"set statusline on red yellow white off"}, "statusline", "set statusline on red yellow white off"},
      {{"set statusline on red", "set statusline on x"}, "statusline",
       "set statusline on black brightwhite lightyellow on"},
      {{}, "commandline", "set commandline on on on"},
      {{"set commandline"}, "commandline", "set commandline off on on"},
      {{"set commandline on off 0 Red"}, "commandline", "set commandline on off off red"},
      {{"set bkspinfreespace off", "set bkspinfreespace"}, "bkspinfreespace", "set bkspinfreespace on"},
      {{"set eof 1"}, "eof", "set eof on"},
      {{"set linefeed off", "set linefeed"}, "linefeed", "set linefeed on"},
      {{"set wordwrap on"}, "wordwrap", "set wordwrap on"},
      {{"set uppercase on", "set uppercase"}, "uppercase", "set uppercase off"},
      {{"set oncommand off", "set oncommand"}, "oncommand", "set oncommand on"},
      {{"set onmenu on"}, "onmenu", "set onmenu on"},
      {{"set tabexpand 4"}, "tabexpand", "set tabexpand 4"},
      {{"set tabexpand 0"}, "tabexpand", "set tabexpand 8"},
      {{"set tabexpand 3", "set tabexpand"}, "tabexpand", "set tabexpand 8"},
      {{}, "delimiters", "set delimiters \"\\t\\n\\r \""},
      {{"set delimiters \" ,;\\\"\""}, "delimiters", "set delimiters \" \\\",;\""},
      {{"set delimiters .,", "set delimiters"}, "delimiters", "set delimiters \",.\""},
      {{"set blankcompress on"}, "blankcompress", "set blankcompress on"},
      {{}, "vbstimeout", "set vbstimeout 60000"},
      {{"set vbstimeout 0"}, "vbstimeout", "set vbstimeout -1"},
      {{"set vbstimeout 5", "set vbstimeout"}, "vbstimeout", "set vbstimeout 60000"},
      {{"set vbsrefresh off", "set vbsrefresh"}, "vbsrefresh", "set vbsrefresh on"},
      {{"set wheelscrollline 0"}, "wheelscrollline", "set wheelscrollline 1"},
      {{"set wheelscrollline 3"}, "wheelscrollline", "set wheelscrollline 3"},
      {{"set vbsload My.vbs", "set vbsload"}, "vbsload", "set vbsload"},
      {{"set pyload Start.py"}, "pyload", "set pyload Start.py"},
      {{}, "codepage", "set codepage 437"},
      {{"set codepage 850"}, "codepage", "set codepage 850"},
      {{"set codepage 850", "set codepage 65001"}, "codepage", "set codepage 850"},
      {{"set borders 0123456789ab"}, "borders", "set borders 0123456789ab"},
      {{"set borders 0123456789ab", "set borders short"}, "borders", "set borders 0123456789ab"},
      {{}, "cursor", "set cursor 20 90"},
      {{"set cursor 0 150"}, "cursor", "set cursor 20 90"},
      {{"set cursor 50 60"}, "cursor", "set cursor 50 60"},
      {{"set cursor 50 60", "set cursor"}, "cursor", "set cursor 20 90"},
      {{"set showbookmarks off"}, "showbookmarks", "set showbookmarks off"},
      {{"set locateswitch -MN"}, "locateswitch", "set locateswitch -mn"},
      {{"set changeswitch " + std::string(60, 'N')}, "changeswitch", "set changeswitch " + std::string(49, 'n')},
      {{"set linesback -5"}, "linesback", "set linesback 0"},
      {{"set linesforward 7", "set linesforward"}, "linesforward", "set linesforward 10000"},
      {{"set autosave -3"}, "autosave", "set autosave 0"},
      {{"set carriagereturn off"}, "carriagereturn", "set carriagereturn off"},
      {{"set expandon shift"}, "expandon", "set expandon shift"},
      {{"set expandon alt"}, "expandon", "set expandon scrolllockon"},
      {{"set autocompleteon off", "set autocompleteon alt"}, "autocompleteon", "set autocompleteon off"},
      {{}, "markon", "set markon shift"},
      {{"set markon control"}, "markon", "set markon control"},
      {{"set markon scrolllockon"}, "markon", "set markon shift"},
      {{}, "popupmenuon", "set popupmenuon rightbutton on"},
      {{"set popupmenuon leftbutton off"}, "popupmenuon", "set popupmenuon leftbutton off"},
      {{"set popupmenuon leftbutton off", "set popupmenuon doubleclick"}, "popupmenuon",
       "set popupmenuon doubleclick on"},
      {{"set tabinsert on"}, "tabinsert", "set tabinsert on"},
      {{"set charset ANSI"}, "charset", "set charset ansi"},
      {{"set charset ansi", "set charset"}, "charset", "set charset oem"},
      {{"set openwith .TXT .md"}, "openwith", "set openwith .txt .md"},
      {{}, "tabbed", "set tabbed off 14"},
      {{"set tabbed on 20"}, "tabbed", "set tabbed on 20"},
      {{"set tabbed on 20", "set tabbed"}, "tabbed", "set tabbed off 20"},
      {{"set tabbed on 2000"}, "tabbed", "set tabbed on 14"},
      {{"set currentline toggle"}, "currentline", "set currentline on"},
      {{"set currentline toggle", "set currentline toggle"}, "currentline", "set currentline off"},
      {{}, "currentpos", "set currentpos on"},
      {{"set currentpos"}, "currentpos", "set currentpos off"},
      {{"set vocompatibility on"}, "vocompatibility", "set vocompatibility on"},
      {{"set abbrev on"}, "abbrev", "set abbrev on"},
      {{"set pyver 64"}, "pyver", "set pyver 32"},
      {{}, "keeptabs", "set keeptabs off"},
      {{"set keeptabs"}, "keeptabs", "set keeptabs on"},
      {{"set keeplineends on", "set keeplineends off"}, "keeplineends", "set keeplineends off"},
  };
  for (const Case& c : cases) {
    auto fixture = std::make_unique<EditorFixture>();
    for (const std::string& line : c.lines) fixture->settings.set(line);
    auto written = fixture->settings.settingLine(c.option);
    ASSERT_TRUE(written.has_value()) << c.option;
    EXPECT_EQ(*written, c.written) << (c.lines.empty() ? std::string("(start-up)") : c.lines.back());
  }
}

TEST_F(SettingsCommandTest, UnknownOptionsAndRefusedValuesAreReported) {
  struct Case {
    std::string_view line;
    std::string_view label;
    std::string_view message;
  };
  const Case cases[] = {
      {"set nosuch 1", "", "Unknown command \"nosuch\" in line \"set nosuch 1\""},
      {"s", "4:", "Unknown command \"s\" in line 4:\"s\""},
      {"set syntaxcoloring20 red", "", "Unknown command \"syntaxcoloring20\" in line \"set syntaxcoloring20 red\""},
      {"set syntaxcoloringext3x .c", "", "Unknown command \"syntaxcoloringext3x\" in line \"set syntaxcoloringext3x .c\""},
      {"set margins3 1", "", "Unknown command \"margins3\" in line \"set margins3 1\""},
      {"set expandon alt", "", "Invalid value \"alt\" in line \"set expandon alt\""},
      {"set codepage 65001", "2:", "Invalid value \"65001\" in line 2:\"set codepage 65001\""},
      {"set borders short", "", "Invalid value \"short\" in line \"set borders short\""},
      {"set markon scrolllockoff", "", "Invalid value \"scrolllockoff\" in line \"set markon scrolllockoff\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(settings.set(c.line, c.label), std::optional<std::string>(c.message)) << c.line;
  }
  EXPECT_EQ(settings.set("SET MARGINS 2 50 2"), std::nullopt);
  EXPECT_EQ(editor.settings.rightMargin, 50);
  EXPECT_EQ(settings.set("set char anything"), std::nullopt);
  EXPECT_EQ(settings.settingLine("char"), std::nullopt);
  EXPECT_EQ(settings.settingLine("nosuch"), std::nullopt);
}

TEST_F(SettingsCommandTest, FileOptionsGoToTheCurrentFileAndTheDefaultsRow) {
  Document* doc = openFile();
  ASSERT_NE(doc, nullptr);
  struct Case {
    std::string_view line;
    int index;
    int value;
  };
  const Case cases[] = {
      {"set bkspinfreespace off", opt::kBehaviour, 0x16},
      {"set vocompatibility on", opt::kBehaviour, 0x36},
      {"set bkspinfreespace", opt::kBehaviour, 0x3E},
      {"set eof on", opt::kEofMark, 1},
      {"set carriagereturn off", opt::kLineEnd, lineend::kLf},
      {"set linefeed off", opt::kLineEnd, lineend::kNone},
      {"set carriagereturn on", opt::kLineEnd, lineend::kCr},
      {"set wordwrap on", opt::kWordWrap, 1},
      {"set showbookmarks off", opt::kShowBookmarks, 0},
      {"set tabinsert on", opt::kTabInsert, 1},
      {"set margins 1 70 1 500", opt::kLongestLine, 500},
      {"set margins 1 70", opt::kLongestLine, 32767},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(settings.set(c.line), std::nullopt) << c.line;
    EXPECT_EQ(option(doc, c.index), c.value) << c.line;
    EXPECT_EQ(option(nullptr, c.index), c.value) << c.line;
  }
}

TEST_F(SettingsCommandTest, KeepTabsIsForTheFilesLoadedAfterIt) {
  Document* doc = openFile();
  ASSERT_EQ(settings.set("set keeptabs on"), std::nullopt);
  EXPECT_EQ(option(nullptr, opt::kKeepTabs), 1);
  EXPECT_EQ(option(doc, opt::kKeepTabs), 0) << "the file keeps the tabs it was loaded with";
}

TEST_F(SettingsCommandTest, EncryptionMarksTheCurrentWindow) {
  openFile();
  WindowRecord* window = editor.currentWindow();
  ASSERT_NE(window, nullptr);
  settings.set("set encryption on");
  EXPECT_TRUE(window->flags & winflag::kEncrypted);
  settings.set("set encryption off");
  EXPECT_FALSE(window->flags & winflag::kEncrypted);
}

TEST_F(SettingsCommandTest, WithoutAFileOnlyTheDefaultsRowChanges) {
  ASSERT_EQ(settings.set("set eof on"), std::nullopt);
  EXPECT_EQ(option(nullptr, opt::kEofMark), 1);
  Document* doc = openFile();
  EXPECT_EQ(option(doc, opt::kEofMark), 1);  // a new file starts from the defaults
}

TEST_F(SettingsCommandTest, TabsFillTheEngineTabStops) {
  settings.set("set tabs 5 4");
  EXPECT_TRUE(editor.engine.isTabStop(4));
  EXPECT_TRUE(editor.engine.isTabStop(8));
  EXPECT_FALSE(editor.engine.isTabStop(6));
  settings.set("set tabs 3 10 30");
  EXPECT_TRUE(editor.settings.tabsAsList);
  EXPECT_TRUE(editor.engine.isTabStop(2));
  EXPECT_TRUE(editor.engine.isTabStop(9));
  EXPECT_TRUE(editor.engine.isTabStop(29));
  EXPECT_FALSE(editor.engine.isTabStop(39));
}

TEST_F(SettingsCommandTest, ConsoleAndTimerSettingsActAtOnce) {
  settings.set("set codepage 28591");
  EXPECT_EQ(console.codePage(), 28591);
  settings.set("set charset ansi");
  EXPECT_EQ(console.codePage(), 1252);
  settings.set("set charset oem");
  EXPECT_EQ(console.codePage(), 437);

  settings.set("set autosave 30");
  EXPECT_EQ(editor.autosave.interval(), 30);
  EXPECT_TRUE(editor.autosave.running());
  settings.set("set autosave 0");
  EXPECT_FALSE(editor.autosave.running());
}

TEST_F(SettingsCommandTest, TextOptionsKeepTheirCaseAndBlanks) {
  settings.set("set date  [dd] - [mm]");
  EXPECT_EQ(editor.settings.dateTemplate, " [dd] - [mm]");
  settings.set("set delimiters \"a b\"");
  EXPECT_TRUE(editor.engine.wordSeparators().isSeparator('a'));
  EXPECT_TRUE(editor.engine.wordSeparators().isSeparator(' '));
  EXPECT_FALSE(editor.engine.wordSeparators().isSeparator('\t'));
  EXPECT_EQ(settings.settingLine("delimiters"), "set delimiters \" ab\"");
  EXPECT_TRUE(settings.set("set delimiters \"\\q\"").has_value());  // an unknown escape is refused
  EXPECT_TRUE(editor.engine.wordSeparators().isSeparator('a'));
  settings.set("set backup *");
  EXPECT_TRUE(editor.settings.backupAll);
}

TEST_F(SettingsCommandTest, NumberedOptionsAddressTheirSet) {
  auto ref = SettingsCommand::resolve("SyntaxColoringSet12");
  ASSERT_TRUE(ref.has_value());
  EXPECT_EQ(ref->set, 12);
  EXPECT_EQ(SettingsCommand::resolve("syntaxcoloringpro"), SettingsCommand::resolve("syntaxcoloringpro0"));
  EXPECT_EQ(SettingsCommand::resolve("syntaxcoloring20"), std::nullopt);

  settings.set("set syntaxcoloringext19 .py");
  EXPECT_EQ(editor.settings.syntax[19].extensions, std::vector<std::string>{".py"});
  EXPECT_TRUE(editor.settings.syntax[0].extensions.empty());
}

TEST_F(SettingsCommandTest, AllSettingLinesCoverEveryOptionAndSet) {
  const std::vector<std::string> all = settings.allSettingLines();
  EXPECT_EQ(all.size(), 57u + 4u * 20u);
  EXPECT_EQ(all.front(), "set tabs 9 8");
  EXPECT_EQ(all.back(), "set keeplineends off");
  auto at = [&](std::string_view start) {
    return std::find_if(all.begin(), all.end(), [&](const std::string& l) { return l.starts_with(start); });
  };
  EXPECT_LT(at("set charset"), at("set codepage"));
  EXPECT_NE(at("set syntaxcoloringpro19"), all.end());
  EXPECT_EQ(at("set char "), all.end());
}

TEST_F(SettingsCommandTest, HelpLinesCompleteTheCommandHelpList) {
  const std::vector<std::string_view> lines = SettingsCommand::helpLines();
  ASSERT_EQ(lines.size(), 61u);
  EXPECT_EQ(lines.front(), "set tabs <first> <col>: Set the first tab column and the steps");
  EXPECT_EQ(lines.back(), "set keeplineends <on/off>: Save each file with the line ends it was loaded with");

  HelpTexts help(functions, lines);
  EXPECT_EQ(help.commandCount(), 113u);
  EXPECT_EQ(help.commandLines()[52], lines.front());
}

}  // namespace
}  // namespace tarn::command
