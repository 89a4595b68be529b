#include "edit/export_painter.h"

#include <algorithm>

#include "edit/token_classes.h"
#include "edit/tokenizer.h"

namespace tarn {

ExportPainter::ExportPainter(const ExportPalette& palette, const KeywordSet* set)
    : palette_(palette), set_(set), painted_(palette.text()) {}

const std::vector<PaintedRun>& ExportPainter::paint(std::string_view line) {
  runs_.clear();
  size_t classed = 0;
  if (set_) {
    classed = std::min(line.size(), kClassedLength);
    classes_.resize(classed);
    inBlockRemark_ = tokenizeLine(*set_, line, inBlockRemark_, classes_);
  }
  // Bytes of one class are painted alike: they are taken a run at a time.
  for (size_t i = 0, end; i < line.size(); i = end) {
    // Past the classed part a line is a remark.
    char cls = !set_ ? token::kWord : i < classed ? classes_[i] : token::kLineRemark;
    end = i + 1;
    if (set_ && i < classed) {
      while (end < classed && classes_[end] == cls) ++end;
    } else {
      end = line.size();
    }
    bool remark = cls == token::kBlockRemark || cls == token::kLineRemark;
    ExportColour colour = palette_.of(cls);
    bool change = cls == token::kBlank ? colour.background != painted_.background : colour != painted_;
    if (change) painted_ = colour;
    if (change || runs_.empty() || runs_.back().remark != remark) {
      runs_.push_back({line.substr(i, 0), painted_, change, remark});
    }
    PaintedRun& run = runs_.back();
    run.text = std::string_view(run.text.data(), run.text.size() + (end - i));
  }
  return runs_;
}

}  // namespace tarn
