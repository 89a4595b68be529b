// The rows of the function catalogue. The order of the names is the table
// order that reverse lookup depends on: typed commands first, then the
// functions, each as its abbreviation and its full name. The order of the rows
// with help texts is also the numbering a message file uses to replace them
// (see help_texts.h).
#include "command/function_catalogue.h"

#include "core/function_codes.h"

namespace tarn::command {
namespace {

using Arg = ArgumentKind;
using Char = CharacterArgument;
using List = HelpList;

// The "set" row has no line of its own: the setting lines stand for it. Forms
// covered by another row's line ("edit -", "quit all") and "unnamed" have none.
constexpr FunctionRow kRows[] = {
    // Typed commands.
    {{"d", "def", "define"}, fn::kDefine, Arg::Words, List::Command, "def <key>=[commands]: Define a key as a sequence of commands"},
    {{"s", "set"}, fn::kSet, Arg::Words, List::None, ""},
    {{"syn"}, fn::kSyn, Arg::Words, List::Command, "syn <name>=[commands]: Define a synonym as a sequence of commands"},
    {{"dir"}, fn::kDir, Arg::Words, List::Command, "dir <pathname> <filters...>: Shows a dialog box with the list of files"},
    {{"ver", "about"}, fn::kAbout, Arg::Words, List::Command, "about: Show the program name and version"},
    {{"erase"}, fn::kErase, Arg::RawText, List::Command, "erase <file>: Remove the file specified"},
    {{"n", "name"}, fn::kName, Arg::RawText, List::Command, "name <file>: Rename the current opened file with the specified name"},
    {{"rename"}, fn::kRename, Arg::RawText, List::Command, "rename <oldfile> <newfile>: Rename the oldfile as newfile"},
    {{"m", "macro"}, fn::kMacro, Arg::RawText, List::Command, "macro <profile pathname>: Active the specified profile file"},
    {{"cd", "chdir"}, fn::kChdir, Arg::RawText, List::Command, "cd <dir>: Change the current directory to the path specified"},
    {{"line"}, fn::kLine, Arg::TwoWords, List::Command, "line <row> <col>: Move the cursor to the line and column specified"},
    {{"column"}, fn::kColumn, Arg::Column, List::Command, "column <number>: Move the cursor to the column number specified"},
    {{"e", "edit"}, fn::kEdit, Arg::Words, List::Command, "edit <filename> [mri]: Open the file specified in a new file window"},
    {{"e -", "edit -"}, fn::kEditPrevious, Arg::Words, List::None, ""},
    {{"e .keydefs", "edit .keydefs"}, fn::kEditKeydefs, Arg::Words, List::None, ""},
    {{"file"}, fn::kFile, Arg::RawText, List::Command, "file <filename>: Save the current file with the name specified"},
    {{"save"}, fn::kSave, Arg::RawText, List::Command, "save <filename>: Save the current file with the optional name"},
    {{"q", "quit"}, fn::kQuit, Arg::RawText, List::Command, "quit [all]: Abandon all modifications on the current file [or all]"},
    {{"q all", "quit all"}, fn::kQuitAll, Arg::RawText, List::None, ""},
    {{"print"}, fn::kPrint, Arg::None, List::Command, "print: Print the whole file on the default printer"},
    {{"c", "change"}, fn::kChange, Arg::Expression, List::Command, "change/old/new/[*-mnewpaxoichtb#]: Search for a string to replace with a new one"},
    {{"l", "locate"}, fn::kLocate, Arg::Expression, List::Command, "locate/string/[-mnewsaxofichtbr#lg]: Search for a string from the cursor position"},
    {{"k", "key"}, fn::kKey, Arg::TwoWords, List::Command, "key <key> [nr]: Execute all commands assigned to the key"},
    {{"unnamed"}, fn::kUnnamed, Arg::None, List::None, ""},
    {{"dos"}, fn::kDos, Arg::Words, List::Command, "dos <command> <parameters>: Execute a shell command in a different window"},
    {{"sys", "system"}, fn::kSystem, Arg::Words, List::Command, "system <command> <parameters>: Execute a shell command in the same window"},
    {{"mail"}, fn::kMail, Arg::Words, List::Command, "mail <address> \"subject\" [attachment]: Send an e-mail to the address"},
    {{"history"}, fn::kHistory, Arg::Words, List::Command, "history: Open the commands history dialog box"},
    {{"mru"}, fn::kMru, Arg::Words, List::Command, "mru: Open the most recent used files dialog box"},
    {{"h", "?", "help"}, fn::kHelp, Arg::Words, List::Command, "help <command>: Open the commands help dialog box"},
    {{"v", "view"}, fn::kView, Arg::RawText, List::Command, "view <filename>: Open the file specified in view mode"},
    {{"ve", "vbsexec"}, fn::kVbsexec, Arg::RawText, List::Command, "vbsexec <statements>: Run the VBScript statements specified"},
    {{"vr", "vbsrun"}, fn::kVbsrun, Arg::RawText, List::Command, "vbsrun <filename>: Run the VBScript file specified"},
    {{"calc"}, fn::kCalc, Arg::Words, List::Command, "calc <expression>: Calculate the result of the expression"},
    {{"menu"}, fn::kMenu, Arg::Words, List::Command, "menu: Open the TARN commands and instructions menu"},
    {{"load"}, fn::kLoad, Arg::RawText, List::Command, "load <filename>: Load a macro from the file specified"},
    {{"run"}, fn::kRun, Arg::RawText, List::Command, "run <filename>: Load and execute a macro from the file specified"},
    {{"write"}, fn::kWrite, Arg::RawText, List::Command, "write <filename>: Write the current macro in the file specified"},
    {{"df", "demo fast"}, fn::kDemoFast, Arg::None, List::Command, "demo fast: Enable the demo fast mode"},
    {{"ds", "demo slow"}, fn::kDemoSlow, Arg::None, List::Command, "demo slow: Enable the demo slow mode"},
    {{"de", "demo end"}, fn::kDemoEnd, Arg::None, List::Command, "demo end: Disable the demo mode"},
    {{"dp", "demo step"}, fn::kDemoStep, Arg::None, List::Command, "demo step: Enable the demo step mode"},
    {{"o", "open"}, fn::kOpen, Arg::None, List::Command, "open: Open a file using the open dialog box"},
    {{"i", "import"}, fn::kImport, Arg::RawText, List::Command, "import <file>: Import the content of the file"},
    {{"zip"}, fn::kZip, Arg::RawText, List::Command, "zip <filename>: Compress the current file in the zip archive specified"},
    {{"unzip"}, fn::kUnzip, Arg::RawText, List::Command, "unzip <filename>: Expand the current zipped file in the file specified"},
    {{"sort"}, fn::kSort, Arg::Words, List::Command, "sort <col> <col> [dinrck]: Sort the current file for the text columns"},
    {{"w", "workspace"}, fn::kWorkspace, Arg::RawText, List::Command, "workspace <filename>: Save the open files in the workspace specified"},
    {{"b", "bookmarks"}, fn::kBookmarks, Arg::RawText, List::Command, "bookmarks: Display and manage the bookmarks list"},
    {{"printdoc"}, fn::kPrintdoc, Arg::None, List::Command, "printdoc <m>: Print the file or the mark using custom page settings"},
    {{"tarn", "mere"}, fn::kTarn, Arg::Words, List::Command, "tarn [s] <parameters>: Start another instance of TARN"},

    // Cursor movement within the file.
    {{"bt", "backtab"}, fn::kBacktab, Arg::None, List::Function, "Move cursor to the previous tab position"},
    {{"bw", "backtab word"}, fn::kBacktabWord, Arg::None, List::Function, "Move cursor to the previous word"},
    {{"bp", "beep"}, fn::kBeep, Arg::None, List::Function, "Execute a beep"},
    {{"bl", "begin line"}, fn::kBeginLine, Arg::None, List::Function, "Move cursor to the beginning of the line"},
    {{"el", "end line"}, fn::kEndLine, Arg::None, List::Function, "Move cursor to the end of the line"},
    {{"tb", "tab"}, fn::kTab, Arg::None, List::Function, "Move cursor to the next tab position"},
    {{"tw", "tab word"}, fn::kTabWord, Arg::None, List::Function, "Move cursor to the next word"},
    {{"wb", "begin word"}, fn::kBeginWord, Arg::None, List::Function, "Move cursor to the beginning of the word"},
    {{"we", "end word"}, fn::kEndWord, Arg::None, List::Function, "Move cursor to the end of the word"},
    {{"fn", "first nonblank"}, fn::kFirstNonblank, Arg::None, List::Function, "Move cursor to the first non blank char"},
    {{"up", "up"}, fn::kUp, Arg::Count, List::Function, "Move cursor up one line", fn::kUpCount},
    {{"dn", "down"}, fn::kDown, Arg::Count, List::Function, "Move cursor down one line", fn::kDownCount},
    {{"lf", "left"}, fn::kLeft, Arg::Count, List::Function, "Move cursor left one char", fn::kLeftCount},
    {{"rt", "right"}, fn::kRight, Arg::Count, List::Function, "Move cursor right one char", fn::kRightCount},
    {{"pu", "page up"}, fn::kPageUp, Arg::None, List::Function, "Move cursor one page up"},
    {{"pd", "page down"}, fn::kPageDown, Arg::None, List::Function, "Move cursor one page down"},
    {{"te", "top edge"}, fn::kTopEdge, Arg::None, List::Function, "Move cursor to the top of the window"},
    {{"be", "bottom edge"}, fn::kBottomEdge, Arg::None, List::Function, "Move cursor to the bottom of the window"},
    {{"le", "left edge"}, fn::kLeftEdge, Arg::None, List::Function, "Move cursor to the screen left edge"},
    {{"rd", "right edge"}, fn::kRightEdge, Arg::None, List::Function, "Move cursor to the screen right edge"},
    {{"to", "top"}, fn::kTop, Arg::None, List::Function, "Move cursor to the top of the file"},
    {{"bo", "bottom"}, fn::kBottom, Arg::None, List::Function, "Move cursor to the bottom of the file"},
    {{"lg", "left margin"}, fn::kLeftMargin, Arg::None, List::Function, "Move cursor to the left margin"},
    {{"rg", "right margin"}, fn::kRightMargin, Arg::None, List::Function, "Move cursor to the right margin"},
    {{"pg", "paragraph margin"}, fn::kParagraphMargin, Arg::None, List::Function, "Move cursor to the paragraph margin"},
    {{"in", "indent"}, fn::kIndent, Arg::None, List::Function, "Move cursor to the left or the paragraph margin"},
    {{"fb", "find blank line"}, fn::kFindBlankLine, Arg::None, List::Function, "Move cursor to the next empty line"},
    {{"ma", "match brace"}, fn::kMatchBrace, Arg::None, List::Function, "Search for the next brace ()[]{}"},
    {{"cl", "center line"}, fn::kCenterLine, Arg::None, List::Function, "Scroll the line to the window center"},
    {{"bm", "begin mark"}, fn::kBeginMark, Arg::None, List::Function, "Move cursor to the beginning of the mark"},
    {{"em", "end mark"}, fn::kEndMark, Arg::None, List::Function, "Move cursor to the end of the mark"},
    {{"bs", "bookmark set"}, fn::kBookmarkSet, Arg::None, List::Function, "Set a bookmark at the cursor position", 0, Char::Letter},
    {{"bg", "bookmark goto"}, fn::kBookmarkGoto, Arg::None, List::Function, "Move cursor to the typed bookmark", 0, Char::Letter},
    {{"br", "bookmark remove"}, fn::kBookmarkRemove, Arg::None, List::Function, "Remove one bookmark", 0, Char::Letter},

    // Moving on every open file, and scrolling.
    {{"ta", "top all"}, fn::kTopAll, Arg::None, List::Function, "Move cursor to the top on all files"},
    {{"ba", "bottom all"}, fn::kBottomAll, Arg::None, List::Function, "Move cursor to the bottom on all files"},
    {{"pa", "page down all"}, fn::kPageDownAll, Arg::None, List::Function, "Move cursor one page down on all files"},
    {{"ua", "page up all"}, fn::kPageUpAll, Arg::None, List::Function, "Move cursor one page up on all files"},
    {{"ul", "up all"}, fn::kUpAll, Arg::None, List::Function, "Move cursor up one line on all files"},
    {{"wl", "down all"}, fn::kDownAll, Arg::None, List::Function, "Move cursor down one line on all files"},
    {{"su", "scrollup"}, fn::kScrollup, Arg::ScrollCount, List::Function, "Scroll the screen one line up"},
    {{"sd", "scrolldown"}, fn::kScrolldown, Arg::ScrollCount, List::Function, "Scroll the screen one line down"},
    {{"rl", "scrollleft"}, fn::kScrollleft, Arg::ScrollCount, List::Function, "Scroll the screen one column left"},
    {{"rr", "scrollright"}, fn::kScrollright, Arg::ScrollCount, List::Function, "Scroll the screen one column right"},

    // Line editing.
    {{"it", "insert toggle"}, fn::kInsertToggle, Arg::None, List::Function, "Toggle cursor from insert to overstrike"},
    {{"im", "insert mode"}, fn::kInsertMode, Arg::None, List::Function, "Change cursor to insert mode"},
    {{"rm", "replace mode"}, fn::kReplaceMode, Arg::None, List::Function, "Change cursor to replace mode"},
    {{"es", "escape"}, fn::kEscape, Arg::None, List::Function, "Insert the typed key as ascii char"},
    {{"ro", "rubout"}, fn::kRubout, Arg::None, List::Function, "Delete the previous character"},
    {{"dc", "delete char"}, fn::kDeleteChar, Arg::None, List::Function, "Delete the current char"},
    {{"dw", "delete word"}, fn::kDeleteWord, Arg::None, List::Function, "Delete the current word"},
    {{"ee", "erase end line"}, fn::kEraseEndLine, Arg::None, List::Function, "Erase from cursor to end of line"},
    {{"eb", "erase begin line"}, fn::kEraseBeginLine, Arg::None, List::Function, "Erase from cursor to beginning of line"},
    {{"dj", "delete join"}, fn::kDeleteJoin, Arg::None, List::Function, "Delete the current char and join at end line"},
    {{"rj", "rubout join"}, fn::kRuboutJoin, Arg::None, List::Function, "Delete the prev. char and join at begin line"},
    {{"sp", "split"}, fn::kSplit, Arg::None, List::Function, "Split the line at the current position"},
    {{"jo", "join"}, fn::kJoin, Arg::None, List::Function, "Join the next line to the current"},
    {{"al", "append line"}, fn::kAppendLine, Arg::None, List::Function, "Append a line after the current line"},
    {{"il", "insert line"}, fn::kInsertLine, Arg::None, List::Function, "Insert an empty line after the current"},
    {{"du", "dup line"}, fn::kDupLine, Arg::None, List::Function, "Duplicate the current line"},
    {{"dl", "delete line"}, fn::kDeleteLine, Arg::None, List::Function, "Delete the current line"},
    {{"da", "delete all"}, fn::kDeleteAll, Arg::None, List::Function, "Delete all file lines"},
    {{"ud", "undo"}, fn::kUndo, Arg::None, List::Function, "Undo the last command or key"},
    {{"re", "redo"}, fn::kRedo, Arg::None, List::Function, "Redo the last undo command"},

    // Inserting information at the cursor.
    {{"dt", "date"}, fn::kDate, Arg::None, List::Function, "Insert the current date in the file (see set date)"},
    {{"tm", "time"}, fn::kTime, Arg::None, List::Function, "Insert the current time in the file (see set time)"},
    {{"pe", "pathname"}, fn::kPathname, Arg::None, List::Function, "Insert the current path name in the file"},
    // An argument to calculate with: `[linenum +1]`.
    {{"ln", "linenum"}, fn::kLinenum, Arg::Words, List::Function, "Insert the line number in the file"},
    {{"cn", "colnum"}, fn::kColnum, Arg::Words, List::Function, "Insert the column number in the file"},

    // Marks and blocks.
    {{"ml", "mark line"}, fn::kMarkLine, Arg::None, List::Function, "Define start and end of a line mark"},
    {{"mc", "mark char"}, fn::kMarkChar, Arg::None, List::Function, "Define start and end of a stream mark"},
    {{"mb", "mark block"}, fn::kMarkBlock, Arg::None, List::Function, "Define start and end of a rect mark"},
    {{"gw", "get word"}, fn::kGetWord, Arg::None, List::Function, "Mark the current word"},
    {{"um", "unmark"}, fn::kUnmark, Arg::None, List::Function, "Deselect the current mark"},
    {{"ck", "clear marks"}, fn::kClearMarks, Arg::None, List::Function, "Deselect the current mark and the mark stack"},
    {{"ps", "push mark"}, fn::kPushMark, Arg::None, List::Function, "Save the current mark in the mark stack"},
    {{"po", "pop mark"}, fn::kPopMark, Arg::None, List::Function, "Restore a mark from the mark stack"},
    {{"cm", "copy mark"}, fn::kCopyMark, Arg::None, List::Function, "Copy the marked text at the cursor position"},
    {{"mm", "move mark"}, fn::kMoveMark, Arg::None, List::Function, "Move the marked text to the cursor position"},
    {{"ob", "overlay block"}, fn::kOverlayBlock, Arg::None, List::Function, "Overlay the marked text at the cursor position"},
    {{"dm", "delete mark"}, fn::kDeleteMark, Arg::None, List::Function, "Delete the current mark"},
    {{"fm", "fill mark"}, fn::kFillMark, Arg::None, List::Function, "Fill the mark with the typed char", 0, Char::Any},
    {{"sl", "shift left"}, fn::kShiftLeft, Arg::None, List::Function, "Shift mark left one char"},
    {{"sr", "shift right"}, fn::kShiftRight, Arg::None, List::Function, "Shift mark right one char"},
    {{"lc", "lowercase"}, fn::kLowercase, Arg::None, List::Function, "Change all marked chars to lower case"},
    {{"uc", "uppercase"}, fn::kUppercase, Arg::None, List::Function, "Change all marked chars to upper case"},
    {{"ic", "invertcase"}, fn::kInvertcase, Arg::None, List::Function, "Invert the case of all marked chars"},
    {{"kc", "capitalize"}, fn::kCapitalize, Arg::None, List::Function, "Capitalize the case of all marked chars"},
    {{"pm", "print mark"}, fn::kPrintMark, Arg::None, List::Function, "Print marked chars on the default printer"},

    // Formatting.
    {{"rf", "reflow"}, fn::kReflow, Arg::None, List::Function, "Align marked lines to left/right margins"},
    {{"tl", "trim leading"}, fn::kTrimLeading, Arg::None, List::Function, "Remove leading blanks from line or mark"},
    {{"tt", "trim trailing"}, fn::kTrimTrailing, Arg::None, List::Function, "Remove trailing blanks from line or mark"},
    {{"tc", "trim compress"}, fn::kTrimCompress, Arg::None, List::Function, "Remove multiple blanks from line or mark"},
    {{"ci", "center in margins"}, fn::kCenterInMargins, Arg::None, List::Function, "Center the line in the margins"},
    {{"rp", "reformat paragraph"}, fn::kReformatParagraph, Arg::None, List::Function, "Align paragraph to left/right margins"},
    {{"ra", "reformat all"}, fn::kReformatAll, Arg::None, List::Function, "Align all lines to left/right margins"},
    {{"ju", "justify line"}, fn::kJustifyLine, Arg::None, List::Function, "Align the line to the right margin"},
    {{"jp", "justify paragraph"}, fn::kJustifyParagraph, Arg::None, List::Function, "Align the paragraph to the right margin"},
    {{"ja", "justify all"}, fn::kJustifyAll, Arg::None, List::Function, "Align all lines to the right margin"},
    {{"ag", "align"}, fn::kAlign, Arg::None, List::Function, "Align the current line to the cursor position"},
    {{"am", "align mark"}, fn::kAlignMark, Arg::None, List::Function, "Align all marked lines to the cursor position"},
    {{"at", "align tab"}, fn::kAlignTab, Arg::None, List::Function, "Align the current line to the next tab"},
    {{"ak", "align backtab"}, fn::kAlignBacktab, Arg::None, List::Function, "Align the current line to the previous tab"},
    {{"mt", "mark tab"}, fn::kMarkTab, Arg::None, List::Function, "Align all the marked lines to the next tab"},
    {{"mk", "mark backtab"}, fn::kMarkBacktab, Arg::None, List::Function, "Align all the marked lines to the previous tab"},
    {{"ao", "align block"}, fn::kAlignBlock, Arg::None, List::Function, "Align the block mark the beginning of the block"},
    {{"cr", "create table"}, fn::kCreateTable, Arg::None, List::Function, "Create a table using delimiters and marked lines"},

    // Clipboard and export.
    {{"cb", "copy to clipboard"}, fn::kCopyToClipboard, Arg::None, List::Function, "Copy the marked text into the clipboard"},
    {{"cp", "copy from clipboard"}, fn::kCopyFromClipboard, Arg::None, List::Function, "Copy the clipboard at the cursor position"},
    {{"ab", "append to clipboard"}, fn::kAppendToClipboard, Arg::None, List::Function, "Append the marked text to the clipboard"},
    {{"bc", "block from clipboard"}, fn::kBlockFromClipboard, Arg::None, List::Function, "Copy the clipboard text as a block mark"},
    {{"append"}, fn::kAppend, Arg::RawText, List::Command, "append <filename>: Append the marked text to the specified file"},
    {{"html"}, fn::kHtml, Arg::RawText, List::Command, "html <filename>: Convert the current file in a file with html format"},
    {{"rtf"}, fn::kRtf, Arg::RawText, List::Command, "rtf <filename>: Convert the current file in a file with rich text format"},
    {{"lines"}, fn::kLines, Arg::Words, List::Command, "lines: Show the number of lines in the file or in the mark"},
    {{"chars"}, fn::kChars, Arg::Words, List::Command, "chars: Show the number of characters in the file or in the mark"},
    {{"words"}, fn::kWords, Arg::Words, List::Command, "words: Show the number of words in the file or in the mark"},

    // Keystroke macros.
    {{"kd", "macro define"}, fn::kMacroDefine, Arg::None, List::Function, "Start/stop recording a command macro"},
    {{"kp", "macro play"}, fn::kMacroPlay, Arg::None, List::Function, "Play the last recorded macro"},
    {{"ku", "macro pause"}, fn::kMacroPause, Arg::None, List::Function, "Pause the recording of a macro"},

    // Syntax elements and keywords.
    {{"nk", "next keyword"}, fn::kNextKeyword, Arg::None, List::Function, "Move cursor to the next keyword"},
    {{"no", "next unknown"}, fn::kNextUnknown, Arg::None, List::Function, "Move cursor to the next unknown word"},
    {{"ns", "next string"}, fn::kNextString, Arg::None, List::Function, "Move cursor to the next string"},
    {{"nn", "next number"}, fn::kNextNumber, Arg::None, List::Function, "Move cursor to the next number"},
    {{"nr", "next remark"}, fn::kNextRemark, Arg::None, List::Function, "Move cursor to the next remark"},
    {{"np", "next separator"}, fn::kNextSeparator, Arg::None, List::Function, "Move cursor to the next separator"},
    {{"pk", "prev keyword"}, fn::kPrevKeyword, Arg::None, List::Function, "Move cursor to the previous keyword"},
    {{"pw", "prev unknown"}, fn::kPrevUnknown, Arg::None, List::Function, "Move cursor to the previous unknown word"},
    {{"pt", "prev string"}, fn::kPrevString, Arg::None, List::Function, "Move cursor to the previous string"},
    {{"pn", "prev number"}, fn::kPrevNumber, Arg::None, List::Function, "Move cursor to the previous number"},
    {{"pr", "prev remark"}, fn::kPrevRemark, Arg::None, List::Function, "Move cursor to the previous remark"},
    {{"pp", "prev separator"}, fn::kPrevSeparator, Arg::None, List::Function, "Move cursor to the previous separator"},
    {{"ek", "end keyword"}, fn::kEndKeyword, Arg::None, List::Function, "Move cursor to the end of the keyword"},
    {{"eo", "end unknown"}, fn::kEndUnknown, Arg::None, List::Function, "Move cursor to the end of the unknown word"},
    {{"et", "end string"}, fn::kEndString, Arg::None, List::Function, "Move cursor to the end of the string"},
    {{"en", "end number"}, fn::kEndNumber, Arg::None, List::Function, "Move cursor to the end of the number"},
    {{"er", "end remark"}, fn::kEndRemark, Arg::None, List::Function, "Move cursor to the end of the remark"},
    {{"ea", "end separator"}, fn::kEndSeparator, Arg::None, List::Function, "Move cursor to the end of the separator"},
    {{"bk", "begin keyword"}, fn::kBeginKeyword, Arg::None, List::Function, "Move cursor to the begin of the keyword"},
    {{"bu", "begin unknown"}, fn::kBeginUnknown, Arg::None, List::Function, "Move cursor to the begin of the unknown word"},
    {{"bi", "begin string"}, fn::kBeginString, Arg::None, List::Function, "Move cursor to the begin of the string"},
    {{"bn", "begin number"}, fn::kBeginNumber, Arg::None, List::Function, "Move cursor to the begin of the number"},
    {{"bb", "begin remark"}, fn::kBeginRemark, Arg::None, List::Function, "Move cursor to the begin of the remark"},
    {{"bq", "begin separator"}, fn::kBeginSeparator, Arg::None, List::Function, "Move cursor to the begin of the separator"},
    {{"lr", "learn"}, fn::kLearn, Arg::None, List::Function, "Add a keyword to the current keywords file"},
    {{"au", "autocomplete"}, fn::kAutocomplete, Arg::None, List::Function, "Complete the word or the command with the most similar"},
    {{"ep", "expand"}, fn::kExpand, Arg::None, List::Function, "Run the current word as a synonym"},

    // Command line and history.
    {{"cg", "command toggle"}, fn::kCommandToggle, Arg::None, List::Function, "Toggle cursor from command to text"},
    {{"cc", "cursor command"}, fn::kCursorCommand, Arg::None, List::Function, "Move the cursor into the command line"},
    {{"ca", "cursor data"}, fn::kCursorData, Arg::None, List::Function, "Move the cursor into the text window"},
    {{"ex", "execute"}, fn::kExecute, Arg::None, List::Function, "Execute the command line command"},
    {{"ct", "copy to command"}, fn::kCopyToCommand, Arg::None, List::Function, "Copy the current line into command line"},
    {{"cf", "copy from command"}, fn::kCopyFromCommand, Arg::None, List::Function, "Copy the command line at the cursor position"},
    {{"ph", "prev history"}, fn::kPrevHistory, Arg::None, List::Function, "Show the previous command line"},
    {{"nh", "next history"}, fn::kNextHistory, Arg::None, List::Function, "Show the next command line"},
    {{"rc", "repeat command"}, fn::kRepeatCommand, Arg::None, List::Function, "Repeat the last command executed"},
    {{"rs", "repeat locate"}, fn::kRepeatLocate, Arg::None, List::Function, "Repeat the last locate command executed"},
    {{"rh", "repeat change"}, fn::kRepeatChange, Arg::None, List::Function, "Repeat the last change command executed"},
    {{"co", "confirm change"}, fn::kConfirmChange, Arg::None, List::Function, "Ignored"},

    // Files, views and the screen.
    {{"ed", "edit"}, fn::kEdit, Arg::Words, List::Function, "Open a new file"},
    {{"vw", "view"}, fn::kView, Arg::RawText, List::None, ""},
    {{"ss", "split screen"}, fn::kSplitScreen, Arg::None, List::Function, "Split the screen in 2 different views"},
    {{"nv", "next view"}, fn::kNextView, Arg::None, List::Function, "Move cursor to the same file next view"},
    {{"nw", "next window"}, fn::kNextWindow, Arg::None, List::Function, "Move cursor to the next view"},
    {{"zw", "zoom window"}, fn::kZoomWindow, Arg::None, List::Function, "Return the screen to a single view"},
    {{"rw", "redraw"}, fn::kRedraw, Arg::None, List::Function, "Refresh the current file window"},
    {{"ce", "clear message"}, fn::kClearMessage, Arg::None, List::Function, "Clear the message in the status line"},
    {{"nu", "null"}, fn::kNull, Arg::None, List::Function, "No operation"},

    // Outside the editor.
    {{"ch", "context help"}, fn::kContextHelp, Arg::None, List::Function, "Open the help file on the current word"},
    {{"lt", "link to"}, fn::kLinkTo, Arg::None, List::Function, "Open the web site at cursor using the default browser"},
    {{"mo", "mail to"}, fn::kMailTo, Arg::None, List::Function, "Send an e-mail to the address at cursor position"},
    {{"px", "pyexec"}, fn::kPyexec, Arg::RawText, List::Function, "Run the Python statements specified"},
    {{"pc", "pycall"}, fn::kPycall, Arg::RawText, List::Function, "Call the Python function specified with its parameters"},
    {{"py", "pyrun"}, fn::kPyrun, Arg::RawText, List::Function, "Run the Python file specified"},
};

// Later work builds these; until then they say "Not available yet".
constexpr int kLater[] = {
    // Typed commands.
    fn::kDir, fn::kPrint, fn::kMail, fn::kHistory, fn::kMru, fn::kVbsexec,
    fn::kVbsrun, fn::kMenu, fn::kOpen, fn::kZip, fn::kUnzip, fn::kWorkspace, fn::kBookmarks,
    fn::kPrintdoc,
    // Functions: the outside world.
    fn::kDeleteAll, fn::kPrintMark, fn::kContextHelp, fn::kLinkTo,
    fn::kMailTo, fn::kPyexec, fn::kPycall, fn::kPyrun,
};

}  // namespace

std::span<const FunctionRow> functionCatalogue() { return kRows; }

std::span<const int> laterCodes() { return kLater; }

}  // namespace tarn::command
