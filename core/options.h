// The per-file options: 21 integers per document, copied at creation from
// the program-wide defaults row.
#pragma once
#include <array>

namespace tarn {

namespace opt {
constexpr int kFreeCursor = 0;
constexpr int kKeepTabs = 1;
constexpr int kStripEighthBit = 2;
constexpr int kCompressBlanks = 3;
constexpr int kWordWrap = 4;
constexpr int kReformatWhileTyping = 5;
constexpr int kJustifyWhileTyping = 6;
constexpr int kShowBookmarks = 7;
constexpr int kSingleBlank = 8;
constexpr int kInsertMode = 9;
constexpr int kAutoIndent = 10;
constexpr int kUndoRecording = 11;
constexpr int kTabFill = 14;
constexpr int kEofMark = 15;
constexpr int kBehaviour = 16;
constexpr int kLineEnd = 17;
constexpr int kLongestLine = 19;
constexpr int kTabInsert = 20;
constexpr int kCount = 21;
}  // namespace opt

// Bits of the behaviour option.
namespace behaviour {
constexpr int kTypeOverBlockRemovesIt = 0x1;
constexpr int kNoLineActionWithoutMark = 0x2;
constexpr int kCaseChangeKeepsMark = 0x4;
constexpr int kRuboutInFreeSpace = 0x8;
constexpr int kScreenBit = 0x10;
constexpr int kCompatibility = 0x20;
}  // namespace behaviour

// Values of the line-end option.
namespace lineend {
constexpr int kNoLineFeed = 0x1;
constexpr int kNoCarriageReturn = 0x2;
constexpr int kCrLf = 0;
constexpr int kCr = 1;
constexpr int kLf = 2;
constexpr int kNone = 3;
}  // namespace lineend

using OptionRow = std::array<int, opt::kCount>;

constexpr OptionRow kDefaultOptions = {
    1,      // free cursor
    0,      // keep tabs
    0,      // strip eighth bit
    0,      // compress blanks
    0,      // word wrap
    0,      // reformat while typing
    0,      // justify while typing
    1,      // show bookmarks
    1,      // single blank
    1,      // insert mode
    0,      // auto-indent
    1,      // undo recording
    0, 0,   // no meaning
    32,     // tab fill character
    0,      // eof mark
    30,     // behaviour bits
    0,      // line end: CR LF
    0,      // no meaning
    32767,  // longest line
    0,      // tab insert
};

}  // namespace tarn
