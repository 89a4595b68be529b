#include "edit/export_writer.h"

#include <algorithm>

#include "edit/html_export.h"
#include "edit/rtf_export.h"

namespace tarn {

std::unique_ptr<ExportWriter> ExportWriter::make(ExportKind kind, const ExportPalette& palette, const KeywordSet* set,
                                                 const CodePage& page) {
  std::unique_ptr<ExportWriter> writer;
  if (kind == ExportKind::Html)
    writer = std::make_unique<HtmlWriter>(palette, set, page);
  else
    writer = std::make_unique<RtfWriter>(palette, set, page);
  writer->learnEscapes();
  writer->opening();
  return writer;
}

ExportWriter::ExportWriter(const ExportPalette& palette, const KeywordSet* set, const CodePage& page)
    : palette_(palette), page_(page), painter_(palette, set) {}

void ExportWriter::learnEscapes() {
  for (int c = 0; c < 256; ++c) {
    plain_[c] = plain(static_cast<char>(c));
    if (!plain_[c]) escapes_[c] = escaped(static_cast<char>(c));
  }
}

void ExportWriter::add(std::string_view text) {
  dropTakenLines();
  for (const PaintedRun& r : painter_.paint(text)) run(r);
  lineEnd();
  startLine();
}

void ExportWriter::run(const PaintedRun& run) {
  if (run.newColour) piece(colourTags_[run.colour.foreground & 15]);
  if (run.remark) piece(remarkBegins_);
  std::string_view text = run.text;
  for (size_t i = 0; i < text.size();) {
    size_t end = i;
    while (end < text.size() && plain_[static_cast<unsigned char>(text[end])]) ++end;
    characters(text.substr(i, end - i));
    if (end == text.size()) break;
    piece(escapes_[static_cast<unsigned char>(text[end])]);
    i = end + 1;
  }
  if (run.remark) piece(remarkEnds_);
}

void ExportWriter::finish() {
  dropTakenLines();
  closing();
}

bool ExportWriter::takeLine(std::string_view& line) {
  if (taken_ >= ends_.size()) return false;
  size_t start = taken_ > 0 ? ends_[taken_ - 1] : 0;
  line = std::string_view(written_).substr(start, ends_[taken_] - start);
  ++taken_;
  return true;
}

void ExportWriter::dropTakenLines() {
  if (taken_ == 0) return;
  size_t cut = ends_[taken_ - 1];
  written_.erase(0, cut);
  ends_.erase(ends_.begin(), ends_.begin() + static_cast<ptrdiff_t>(taken_));
  for (size_t& end : ends_) end -= cut;
  taken_ = 0;
}

void ExportWriter::line(std::string_view text) {
  written_ += text;
  startLine();
}

void ExportWriter::startLine() { ends_.push_back(written_.size()); }

void ExportWriter::piece(std::string_view text) {
  if (lineSize() > 0 && lineSize() + text.size() > kLongestLine) startLine();
  written_ += text;
}

void ExportWriter::characters(std::string_view text) {
  while (!text.empty()) {
    if (lineSize() >= kLongestLine) startLine();
    size_t n = std::min(text.size(), kLongestLine - lineSize());
    written_.append(text.substr(0, n));
    text.remove_prefix(n);
  }
}

}  // namespace tarn
