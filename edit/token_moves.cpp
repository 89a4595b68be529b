#include "edit/token_moves.h"

#include <algorithm>

#include "core/function_codes.h"
#include "edit/token_classes.h"

namespace tarn {

namespace {

constexpr size_t kNone = std::string_view::npos;
constexpr int kKinds = 6;  // the kinds of the token functions, in code order

bool isOfKind(char cls, TokenKind kind) {
  switch (kind) {
    case TokenKind::Keyword: return cls == token::kKeyword || cls == token::kLaterKeyword;
    case TokenKind::Unknown: return cls == token::kWord;
    case TokenKind::String: return cls == token::kString;
    case TokenKind::Number: return cls == token::kNumber;
    case TokenKind::Remark: return cls == token::kBlockRemark || cls == token::kLineRemark;
    case TokenKind::Separator: return cls == token::kSeparator;
    case TokenKind::AnyWord:
      return cls == token::kKeyword || cls == token::kLaterKeyword || cls == token::kWord;
  }
  return false;
}

// One class row, read for one kind of token.
class Row {
 public:
  Row(std::string_view classes, TokenKind kind) : classes_(classes), kind_(kind) {}

  size_t size() const { return classes_.size(); }
  bool in(size_t at) const { return at < classes_.size() && isOfKind(classes_[at], kind_); }

  // The first token character at or after `at`.
  size_t firstFrom(size_t at) const {
    for (; at < size(); ++at)
      if (in(at)) return at;
    return kNone;
  }
  size_t tokenStart(size_t at) const {
    while (at > 0 && in(at - 1)) --at;
    return at;
  }
  size_t tokenEnd(size_t at) const {
    while (at + 1 < size() && in(at + 1)) ++at;
    return at;
  }
  // The start of the last token that begins before `limit`.
  size_t lastStartBefore(size_t limit) const {
    for (size_t at = std::min(limit, size()); at > 0; --at)
      if (in(at - 1)) return tokenStart(at - 1);
    return kNone;
  }
  // The run the cursor is in: a token, or characters of one class; beyond
  // the end of the line it is empty.
  size_t runEnd(size_t at) const {
    if (at >= size()) return at;
    if (in(at)) return tokenEnd(at) + 1;
    const char cls = classes_[at];
    while (at < size() && classes_[at] == cls) ++at;
    return at;
  }
  size_t runStart(size_t at) const {
    if (at >= size()) return size();
    if (in(at)) return tokenStart(at);
    const char cls = classes_[at];
    while (at > 0 && classes_[at - 1] == cls) --at;
    return at;
  }

 private:
  std::string_view classes_;
  TokenKind kind_;
};

// On the cursor's line.
size_t onCursorLine(const Row& row, size_t at, TokenStep step) {
  switch (step) {
    case TokenStep::Next:
      return row.firstFrom(row.runEnd(at));
    case TokenStep::End: {
      const size_t found = row.in(at) ? at : row.firstFrom(at);
      return found == kNone ? kNone : row.tokenEnd(found);
    }
    case TokenStep::Prev:
      return row.lastStartBefore(row.runStart(at));
    case TokenStep::Begin:
      return row.in(at) ? row.tokenStart(at) : row.lastStartBefore(at);
  }
  return kNone;
}

// On a line below the cursor's (next, end) or above it (prev, begin).
size_t onOtherLine(const Row& row, TokenStep step) {
  switch (step) {
    case TokenStep::Next:
      return row.firstFrom(0);
    case TokenStep::End: {
      const size_t found = row.firstFrom(0);
      return found == kNone ? kNone : row.tokenEnd(found);
    }
    case TokenStep::Prev:
    case TokenStep::Begin:
      return row.lastStartBefore(row.size());
  }
  return kNone;
}

}  // namespace

TokenFunction tokenFunctionOf(int code) {
  const int n = code - fn::kNextKeyword;
  return {static_cast<TokenKind>(n % kKinds), static_cast<TokenStep>(n / kKinds)};
}

size_t tokenStartOf(std::string_view classes, size_t at, TokenKind kind) {
  return Row(classes, kind).tokenStart(at);
}

std::optional<TokenPlace> findToken(const Document& doc, const TokenPlace& from, TokenFunction function,
                                    const ClassRowOf& rowOf) {
  if (!doc.isSentinel(from.line)) {
    const size_t at = onCursorLine(Row(rowOf(*from.line, from.index), function.kind), from.position, function.step);
    if (at != kNone) return TokenPlace{from.line, from.index, at};
  }
  const bool down = function.step == TokenStep::Next || function.step == TokenStep::End;
  const int step = down ? 1 : -1;
  LineIndex index = from.index + step;
  for (const Line* line = down ? from.line->next() : from.line->prev(); line && !doc.isSentinel(line);
       line = down ? line->next() : line->prev(), index += step) {
    const size_t at = onOtherLine(Row(rowOf(*line, index), function.kind), function.step);
    if (at != kNone) return TokenPlace{line, index, at};
  }
  return std::nullopt;
}

}  // namespace tarn
