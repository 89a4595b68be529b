#include "edit/replacement.h"

#include "edit/pattern_escapes.h"

namespace tarn {

namespace {

// The whole match for group 0; nothing for a group that did not match.
const TextSpan* matchedSpan(uint32_t group, const SearchMatch& match) {
  if (group == 0) return &match.whole;
  const std::optional<TextSpan>& span = match.groups[group - 1];
  return span ? &*span : nullptr;
}

}  // namespace

void Replacement::prepare(std::string_view text, bool patternMode) {
  literals_.clear();
  pieces_.clear();
  if (!patternMode) {
    literals_.assign(text);
    pieces_.push_back({true, 0, static_cast<uint32_t>(text.size())});
    return;
  }
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '&') {
      pieces_.push_back({false, 0, 0});
    } else if (c == '\\' && i + 1 < text.size()) {
      char next = text[++i];
      if (next >= '1' && next <= '9')
        pieces_.push_back({false, static_cast<uint32_t>(next - '0'), 0});
      else
        addLiteral(escapedChar(next));
    } else {
      addLiteral(c);
    }
  }
}

void Replacement::addLiteral(char c) {
  if (pieces_.empty() || !pieces_.back().literal)
    pieces_.push_back({true, static_cast<uint32_t>(literals_.size()), 0});
  literals_ += c;
  ++pieces_.back().length;
}

bool Replacement::build(const SearchMatch& match, const MatchText& text, std::string& out) const {
  out.clear();
  size_t length = 0;
  for (const Piece& piece : pieces_) {
    if (piece.literal)
      length += piece.length;
    else if (const TextSpan* span = matchedSpan(piece.start, match))
      length += static_cast<size_t>(text.offsetOf(span->end) - text.offsetOf(span->start));
  }
  if (length > kLongest) return false;
  for (const Piece& piece : pieces_) {
    if (piece.literal)
      out.append(literals_, piece.start, piece.length);
    else if (const TextSpan* span = matchedSpan(piece.start, match))
      text.append(span->start, span->end, out);
  }
  return true;
}

}  // namespace tarn
