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
  writer->opening();
  return writer;
}

ExportWriter::ExportWriter(const ExportPalette& palette, const KeywordSet* set, const CodePage& page)
    : palette_(palette), page_(page), painter_(palette, set) {}

void ExportWriter::add(std::string_view text) {
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
    while (end < text.size() && plain(text[end])) ++end;
    characters(text.substr(i, end - i));
    if (end == text.size()) break;
    piece(escaped(text[end]));
    i = end + 1;
  }
  if (run.remark) piece(remarkEnds_);
}

std::vector<std::string> ExportWriter::finish() {
  closing();
  return std::move(lines_);
}

void ExportWriter::line(std::string_view text) { lines_.emplace_back(text); }

// The line written so far is done; the next one starts with room enough
// for most, so that it is not grown piece by piece.
void ExportWriter::startLine() {
  lines_.emplace_back(current_);
  current_.clear();
}

void ExportWriter::piece(std::string_view text) {
  if (!current_.empty() && current_.size() + text.size() > kLongestLine) startLine();
  current_ += text;
}

void ExportWriter::characters(std::string_view text) {
  while (!text.empty()) {
    if (current_.size() >= kLongestLine) startLine();
    size_t n = std::min(text.size(), kLongestLine - current_.size());
    current_.append(text.substr(0, n));
    text.remove_prefix(n);
  }
}

}  // namespace tarn
