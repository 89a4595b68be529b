#include "edit/html_export.h"

#include <string>

namespace tarn {

namespace {

bool plain(char c) { return c != '"' && c != '&' && c != '<' && c != '>' && static_cast<unsigned char>(c) < 128; }

}  // namespace

HtmlWriter::HtmlWriter(const ExportPalette& palette, const KeywordSet* set, const CodePage& page)
    : ExportWriter(palette, set, page) {
  for (int colour = 0; colour < 16; ++colour)
    colourTags_[colour] = "</font><font color=#" + std::string(colourName(colour)) + ">";
}

void HtmlWriter::opening() {
  line("<html>");
  line("<body bgcolor=#" + std::string(colourName(palette_.text().background)) + ">");
  line("<pre><font color=#" + std::string(colourName(palette_.text().foreground)) + " size=3>");
}

void HtmlWriter::run(const PaintedRun& run) {
  if (run.newColour) piece(colourTags_[run.colour.foreground & 15]);
  if (run.remark) piece("<i>");
  std::string_view text = run.text;
  for (size_t i = 0; i < text.size();) {
    size_t end = i;
    while (end < text.size() && plain(text[end])) ++end;
    characters(text.substr(i, end - i));
    if (end == text.size()) break;
    switch (text[end]) {
      case '"': piece("&quot;"); break;
      case '&': piece("&amp;"); break;
      case '<': piece("&lt;"); break;
      case '>': piece("&gt;"); break;
      // The number of the character the byte stands for in the console's page.
      default: piece("&#" + std::to_string(page_.toUnicode(static_cast<uint8_t>(text[end]))) + ";");
    }
    i = end + 1;
  }
  if (run.remark) piece("</i>");
}

void HtmlWriter::closing() {
  line("</font></pre>");
  line("</body>");
  line("</html>");
}

}  // namespace tarn
