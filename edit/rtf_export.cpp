#include "edit/rtf_export.h"

#include <cstdio>
#include <string>

namespace tarn {

namespace {

bool plain(char c) { return c != '\\' && c != '{' && c != '}' && static_cast<unsigned char>(c) < 128; }

}  // namespace

// A control word ends at a blank of its own, which RTF readers drop, so
// that the text after it cannot lengthen it.
RtfWriter::RtfWriter(const ExportPalette& palette, const KeywordSet* set, const CodePage& page)
    : ExportWriter(palette, set, page) {
  for (int colour = 0; colour < 16; ++colour) colourTags_[colour] = "\\cf" + std::to_string(colour) + " ";
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

void RtfWriter::run(const PaintedRun& run) {
  if (run.newColour) piece(colourTags_[run.colour.foreground & 15]);
  if (run.remark) piece("\\i1 ");
  std::string_view text = run.text;
  for (size_t i = 0; i < text.size();) {
    size_t end = i;
    while (end < text.size() && plain(text[end])) ++end;
    characters(text.substr(i, end - i));
    if (end == text.size()) break;
    char c = text[end];
    if (static_cast<unsigned char>(c) >= 128) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>(c));
      piece(hex);
    } else {
      piece(std::string{'\\', c});
    }
    i = end + 1;
  }
  if (run.remark) piece("\\i0 ");
}

}  // namespace tarn
