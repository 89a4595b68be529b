// The export as RTF: a colour table of the sixteen console colours, \cf at
// each change of colour, remarks between \i1 and \i0, the characters RTF
// reserves escaped, and \par at the end of every line.
#pragma once
#include "edit/export_writer.h"

namespace tarn {

class RtfWriter : public ExportWriter {
 public:
  RtfWriter(const ExportPalette& palette, const KeywordSet* set, const CodePage& page);

 private:
  void opening() override;
  void lineEnd() override { piece("\\par"); }
  void closing() override { line("}"); }
  bool plain(char c) const override { return c != '\\' && c != '{' && c != '}' && static_cast<unsigned char>(c) < 128; }
  std::string escaped(char c) const override;
};

}  // namespace tarn
