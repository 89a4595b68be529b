// Frame characters: boxes, separators and list frames are drawn with the
// line-drawing characters of code page 437, which `set borders` may replace.
#pragma once
#include <string>
#include <string_view>

namespace tarn {

namespace border {
// Positions in the border text.
constexpr int kTopLeft = 0, kTopRight = 1, kBottomLeft = 2, kBottomRight = 3, kHorizontal = 4,
              kVertical = 5, kDoubleTopLeft = 6, kDoubleTopRight = 7, kDoubleBottomLeft = 8,
              kDoubleBottomRight = 9, kDoubleHorizontal = 10, kDoubleVertical = 11;
constexpr int kCount = 12;
}  // namespace border

// The twelve built-in characters in border order: single frame corners and
// lines, then the double ones.
std::string_view builtInBorders();

// Replaces each built-in border character by the one at the same place of
// borders (the `set borders` text); a text shorter than 12 changes nothing.
std::string mapBorders(std::string_view text, std::string_view borders);

}  // namespace tarn
