#include "edit/html_export.h"

#include <string>

namespace tarn {

HtmlWriter::HtmlWriter(const ExportPalette& palette, const KeywordSet* set, const CodePage& page)
    : ExportWriter(palette, set, page) {
  for (int colour = 0; colour < 16; ++colour)
    colourTags_[colour] = "</font><font color=#" + std::string(colourName(colour)) + ">";
  remarkBegins_ = "<i>";
  remarkEnds_ = "</i>";
}

void HtmlWriter::opening() {
  line("<html>");
  line("<body bgcolor=#" + std::string(colourName(palette_.text().background)) + ">");
  line("<pre><font color=#" + std::string(colourName(palette_.text().foreground)) + " size=3>");
}

std::string HtmlWriter::escaped(char c) const {
  switch (c) {
    case '"': return "&quot;";
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
  }
  // The number of the character the byte stands for in the console's page.
  return "&#" + std::to_string(page_.toUnicode(static_cast<uint8_t>(c))) + ";";
}

void HtmlWriter::closing() {
  line("</font></pre>");
  line("</body>");
  line("</html>");
}

}  // namespace tarn
