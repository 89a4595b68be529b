// The export's view of a file's lines: each line cut into runs painted
// alike, the colour carried on from run to run and from line to line. A run
// begins where the colour changes (at a blank only where its background
// differs) and where a remark begins or ends.
#pragma once
#include <string_view>
#include <vector>

#include "edit/export_palette.h"
#include "edit/keyword_set.h"

namespace tarn {

struct PaintedRun {
  std::string_view text;
  ExportColour colour;
  bool newColour;  // differs from the colour painted before it
  bool remark;
};

class ExportPainter {
 public:
  // Without a set the lines are plain text.
  ExportPainter(const ExportPalette& palette, const KeywordSet* set);

  // The runs of the file's next line (valid until the next call).
  const std::vector<PaintedRun>& paint(std::string_view line);

 private:
  const ExportPalette& palette_;
  const KeywordSet* set_;
  bool inBlockRemark_ = false;
  ExportColour painted_;
  std::vector<char> classes_;
  std::vector<PaintedRun> runs_;
};

}  // namespace tarn
