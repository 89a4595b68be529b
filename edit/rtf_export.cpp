#include "edit/rtf_export.h"

#include <cstdio>
#include <string>

namespace tarn {

// A control word ends at a blank of its own, which RTF readers drop, so
// that the text after it cannot lengthen it.
RtfWriter::RtfWriter(const ExportPalette& palette, const KeywordSet* set, const CodePage& page)
    : ExportWriter(palette, set, page) {
  for (int colour = 0; colour < 16; ++colour) colourTags_[colour] = "\\cf" + std::to_string(colour) + " ";
  remarkBegins_ = "\\i1 ";
  remarkEnds_ = "\\i0 ";
}

void RtfWriter::opening() {
  // The bytes beyond ASCII are those of the console's page.
  line("{\\rtf1\\ansi\\ansicpg" + std::to_string(page_.number()) +
       "\\deff0\\deflang1033{\\fonttbl {\\f0\\fmodern\\fcharset254 Courier New;}}");
  std::string table = "{\\colortbl";
  for (int colour = 0; colour < 16; ++colour) {
    auto [red, green, blue] = colourRgb(colour);
    table += "\\red" + std::to_string(red) + "\\green" + std::to_string(green) + "\\blue" + std::to_string(blue) + ";";
  }
  line(table + "}");
  line("\\pard\\ulnone\\f0\\fs22\\cf" + std::to_string(palette_.text().foreground) + "\\cbpat" +
       std::to_string(palette_.text().background));
}

// Bytes beyond ASCII as \'hh, the reserved characters after a backslash.
std::string RtfWriter::escaped(char c) const {
  if (static_cast<unsigned char>(c) < 128) return std::string{'\\', c};
  char hex[8];
  std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>(c));
  return hex;
}

}  // namespace tarn
