// The export as HTML: the text in a <pre> block, a <font color> tag at each
// change of colour, remarks in italics, and the characters HTML reserves
// (and those beyond ASCII) as entities.
#pragma once
#include "edit/export_writer.h"

namespace tarn {

class HtmlWriter : public ExportWriter {
 public:
  HtmlWriter(const ExportPalette& palette, const KeywordSet* set, const CodePage& page);

 private:
  void opening() override;
  void closing() override;
  bool plain(char c) const override {
    return c != '"' && c != '&' && c != '<' && c != '>' && static_cast<unsigned char>(c) < 128;
  }
  std::string escaped(char c) const override;
};

}  // namespace tarn
