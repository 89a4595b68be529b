// The class code the tokenizer gives each character of a line. The screen,
// the export and printing paint a class in one of the six colour pairs of
// `syntaxcoloring<n>`; the token functions, `learn` and `autocomplete` walk
// the same codes.
#pragma once

namespace tarn::token {

constexpr char kKeyword = 'K';       // listed before the end of the keywords
constexpr char kLaterKeyword = 'k';  // listed after it, or learned
constexpr char kWord = 'w';          // not in the keyword table
constexpr char kString = '$';
constexpr char kNumber = '#';  // also the sequence-number area
constexpr char kBlockRemark = 'c';
constexpr char kLineRemark = 'C';
constexpr char kSeparator = '.';
constexpr char kBlank = ' ';

// Which (background, foreground) pair of the twelve `syntaxcoloring<n>`
// colours paints a class, 0 to 5; -1 for words and blanks, which take the
// file's text colours.
constexpr int colourPairOf(char cls) {
  switch (cls) {
    case kKeyword: return 0;
    case kSeparator: return 1;
    case kString: return 2;
    case kNumber: return 3;
    case kBlockRemark:
    case kLineRemark: return 4;
    case kLaterKeyword: return 5;
    default: return -1;
  }
}

}  // namespace tarn::token
