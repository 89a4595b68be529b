// Display columns and byte positions of a line's text (core/display_columns.h),
// and the byte classes the editing functions ask about.
#pragma once
#include <cstddef>
#include <string_view>

#include "core/display_columns.h"

namespace tarn {

struct EngineCall;

ColumnRule columnRule(const EngineCall& call);

// No double-byte code page is in use: no byte starts a two-byte character.
// The cursor rules for two-byte characters ask this one question.
constexpr bool isLeadByte(unsigned char) { return false; }

// Blank and tab.
constexpr bool isWhite(char c) { return c == ' ' || c == '\t'; }
// Index of the first byte that is not white space, or the size of the text.
size_t firstNonWhite(std::string_view text);

}  // namespace tarn
