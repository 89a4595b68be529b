#include "edit/match_text.h"

#include <algorithm>

namespace tarn {

void MatchText::reset(std::string_view line, LineSource* following) {
  first_ = line;
  pieces_.clear();
  pieces_.push_back({line, 0});
  following_ = following;
}

int MatchText::beyondLine(int64_t offset) {
  size_t index = pieceIndex(offset);
  const Piece& piece = pieces_[index];
  if (offset < piece.end()) return static_cast<unsigned char>(piece.text[offset - piece.start]);
  if (offset > piece.end()) return kNoByte;
  if (index + 1 < pieces_.size()) return kLineEnd;
  if (!following_) return kNoByte;
  std::optional<std::string_view> next = following_->lineAfter(static_cast<int>(pieces_.size()));
  if (!next) {
    following_ = nullptr;
    return kNoByte;
  }
  pieces_.push_back({*next, piece.end() + 1});
  return kLineEnd;
}

size_t MatchText::pieceIndex(int64_t offset) const {
  if (offset <= lineLength() || pieces_.size() == 1) return 0;
  auto after = std::upper_bound(pieces_.begin(), pieces_.end(), offset,
                                [](int64_t value, const Piece& piece) { return value < piece.start; });
  return static_cast<size_t>(after - pieces_.begin()) - 1;
}

TextPoint MatchText::pointAt(int64_t offset) const {
  size_t index = pieceIndex(offset);
  return {static_cast<int>(index), static_cast<int>(offset - pieces_[index].start)};
}

void MatchText::append(TextPoint from, TextPoint to, std::string& out) const {
  for (int line = from.line; line <= to.line; ++line) {
    std::string_view text = pieces_[line].text;
    size_t begin = line == from.line ? static_cast<size_t>(from.column) : 0;
    size_t end = line == to.line ? static_cast<size_t>(to.column) : text.size();
    out.append(text.substr(begin, end - begin));
    if (line < to.line) out += '\n';
  }
}

}  // namespace tarn
