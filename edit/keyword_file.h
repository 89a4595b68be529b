// Keyword files: reading one into a keyword set, naming the file of each
// set, and appending the learned words to it.
//
// A file is lines ended by CR LF; a line is taken when its line end is
// reached (CR LF, CR or LF alone), so a last line without one is left out.
// An empty line or one starting with '*' is a remark; the `$$TARN_...`
// directives set the syntax; any other line is one keyword.
#pragma once
#include <string>
#include <string_view>

#include "edit/keyword_set.h"

namespace tarn {

// The name of the keyword file of a set: "TARN.Kwd" for set 0, "TARN.Kwd3" for set 3.
std::string keywordFileName(int set);
// Where the learned words of a set without a keyword file go.
constexpr std::string_view kLearnedWordsFile = "tarntemp.kwd";

// Takes the lines of a keyword file. With replace a keyword already in the
// table takes the value the file gives it; without it the first one stays.
void readKeywordText(KeywordSet& set, std::string_view text, bool replace);
// Reads a keyword file whole; false when it cannot be opened or read.
bool loadKeywordFile(KeywordSet& set, const std::string& path, bool replace);

// Appends the words learned since the last save to the end of an existing
// keyword file, each followed by CR LF (after a CR LF first when the file
// does not end with a line end). False when the file is missing or cannot
// be written; the words then stay unsaved.
bool saveLearnedWords(KeywordSet& set, const std::string& path);

}  // namespace tarn
