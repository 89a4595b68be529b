#include "edit/export_palette.h"

#include <string>

#include "edit/class_colours.h"

namespace tarn {

namespace {

constexpr std::string_view kColourNames[16] = {"000000", "00007f", "007f00", "007f7f", "7f0000", "7f007f",
                                               "7f7f00", "bfbfbf", "7f7f7f", "0000ff", "00ff00", "00ffff",
                                               "ff0000", "ff00ff", "ffff00", "ffffff"};

}  // namespace

ExportPalette::ExportPalette(const Settings& settings, int keywordSet) : text_{settings.colours[0], settings.colours[1]} {
  byClass_.fill(text_);
  if (keywordSet < 0 || keywordSet >= kSyntaxSets) return;
  const SyntaxSetSettings& set = settings.syntax[keywordSet];
  for (size_t c = 0; c < byClass_.size(); ++c) {
    const auto cls = static_cast<char>(c);
    if (token::colourPairOf(cls) < 0) continue;
    const Attribute colours = classAttribute(set, cls, 0);
    byClass_[c] = {colours >> 4, colours & 0xF};
  }
}

std::string_view colourName(int colour) { return kColourNames[colour & 15]; }

std::array<int, 3> colourRgb(int colour) {
  std::string_view name = colourName(colour);
  std::array<int, 3> rgb{};
  for (int i = 0; i < 3; ++i) rgb[i] = std::stoi(std::string(name.substr(2 * i, 2)), nullptr, 16);
  return rgb;
}

}  // namespace tarn
