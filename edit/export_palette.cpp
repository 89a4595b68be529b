#include "edit/export_palette.h"

#include <string>

#include "edit/token_classes.h"

namespace tarn {

namespace {

constexpr std::string_view kColourNames[16] = {"000000", "00007f", "007f00", "007f7f", "7f0000", "7f007f",
                                               "7f7f00", "bfbfbf", "7f7f7f", "0000ff", "00ff00", "00ffff",
                                               "ff0000", "ff00ff", "ffff00", "ffffff"};

}  // namespace

ExportPalette::ExportPalette(const Settings& settings, int keywordSet) : text_{settings.colours[0], settings.colours[1]} {
  byClass_.fill(text_);
  if (keywordSet < 0 || keywordSet >= kSyntaxSets) return;
  const std::array<int, 12>& pairs = settings.syntax[keywordSet].colours;
  for (char cls : {token::kKeyword, token::kLaterKeyword, token::kString, token::kNumber, token::kBlockRemark,
                   token::kLineRemark, token::kSeparator}) {
    int pair = token::colourPairOf(cls);
    byClass_[static_cast<unsigned char>(cls)] = {pairs[2 * pair], pairs[2 * pair + 1]};
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
