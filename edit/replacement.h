// The text that replaces a match. In pattern mode & stands for the whole
// match, \1 to \9 for the text of a group (nothing for a group that did not
// match) and \ escapes as in patterns; in plain mode the text is used as it
// stands. A line end inside the match or a group, and \n, give a line feed.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "edit/match_text.h"
#include "edit/search_match.h"

namespace tarn {

class Replacement {
 public:
  static constexpr size_t kLongest = 1023;

  void prepare(std::string_view text, bool patternMode);

  // Builds the replacement of match into out (its buffer is kept from one
  // call to the next). False, leaving out empty, when it would be longer
  // than kLongest: the change must then not be made.
  bool build(const SearchMatch& match, const MatchText& text, std::string& out) const;

 private:
  // A literal piece is a run of literals_; a matched piece is the whole
  // match (group 0) or a group.
  struct Piece {
    bool literal;
    uint32_t start;   // literal: where the run starts in literals_; matched: the group
    uint32_t length;  // literal: its length
  };

  void addLiteral(char c);

  std::string literals_;
  std::vector<Piece> pieces_;
};

}  // namespace tarn
