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
  void run(const PaintedRun& run) override;
  void closing() override;
};

}  // namespace tarn
