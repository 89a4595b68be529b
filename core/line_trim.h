// The blank trimming of `linetrim`: leading blanks, trailing blanks, and
// runs of blanks after the first non-blank squeezed to one.
#pragma once
#include <cstdint>

namespace tarn {

// Trims the text in place as the trim bits ask; returns the new length.
uint32_t trimBlanks(char* text, uint32_t length, int trimBits);

}  // namespace tarn
