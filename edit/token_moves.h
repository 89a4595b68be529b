// Where the token functions (`next keyword`, `prev string`, `end remark`,
// `begin number`, ...) put the cursor: found on the class rows of the
// current line and, when it holds none, of the lines below or above it. A
// token is a run of characters of the classes looked for.
#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

#include "core/document.h"

namespace tarn {

// What is looked for; AnyWord (keywords and unknown words) is `learn`'s.
enum class TokenKind { Keyword, Unknown, String, Number, Remark, Separator, AnyWord };
// next: the start of the next token after the run the cursor is in; prev:
// the start of the one before that run; end: the last character of the
// token at or after the cursor; begin: the first character of the token at
// or before it.
enum class TokenStep { Next, Prev, End, Begin };

struct TokenFunction {
  TokenKind kind;
  TokenStep step;
};
// The function of a code 0x160..0x177.
TokenFunction tokenFunctionOf(int code);

// The first byte of the token of a class row that holds byte `at`.
size_t tokenStartOf(std::string_view classes, size_t at, TokenKind kind);

// A byte of a text line of a document.
struct TokenPlace {
  const Line* line;
  LineIndex index;
  size_t position;
};

// The class row of a text line, valid until the next call.
using ClassRowOf = std::function<std::string_view(const Line&, LineIndex)>;

// From a place (a line of the document, which may be a sentinel, and a
// byte, which may lie beyond the line's end) to the place of the token
// found; nothing when there is none.
std::optional<TokenPlace> findToken(const Document& doc, const TokenPlace& from, TokenFunction function,
                                    const ClassRowOf& rowOf);

}  // namespace tarn
