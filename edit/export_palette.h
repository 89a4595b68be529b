// The colours a file is exported in: the text colours of `colors` for
// unknown words and blanks, and the six (background, foreground) pairs of
// its set's `syntaxcoloring<n>` for the other classes.
#pragma once
#include <array>
#include <string_view>

#include "core/settings.h"

namespace tarn {

struct ExportColour {
  int background;
  int foreground;
  bool operator==(const ExportColour&) const = default;
};

class ExportPalette {
 public:
  // Without a set (-1) every class takes the text colours.
  ExportPalette(const Settings& settings, int keywordSet);

  ExportColour text() const { return text_; }
  ExportColour of(char cls) const { return byClass_[static_cast<unsigned char>(cls)]; }

 private:
  ExportColour text_;
  std::array<ExportColour, 256> byClass_;
};

// "000000" to "ffffff": the RGB of a console colour, as HTML writes it.
std::string_view colourName(int colour);
// Its red, green and blue values.
std::array<int, 3> colourRgb(int colour);

}  // namespace tarn
