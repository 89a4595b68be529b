// Justifying a line to the right margin: the blanks between its words are
// widened until its last character stands on the margin.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// How each blank's share of the missing width is rounded: down on one
// justified line, up on the next.
struct JustifyRounding {
  bool up = false;
};

// The rounding every justifying function of the editor shares.
JustifyRounding& sharedJustifyRounding();

// The text spread to width bytes: blanks at its end go, runs of blanks after
// its first non-blank become one, and then, from the right, each of those
// blanks receives the missing width still to share divided by the blanks
// still to receive, rounded as the rounding says (which then turns).
// Nothing for a text without a non-blank or one wider than width once
// squeezed.
std::optional<std::string> justified(std::string_view text, int width, JustifyRounding& rounding);

// Where byte `place` of a text stands once only its blanks changed: on the
// same non-blank, or as far after the one before it as the blanks allow
// (one column when blanks followed it). May lie beyond the end.
size_t placeAfterBlankChange(std::string_view before, std::string_view after, size_t place);

}  // namespace tarn
