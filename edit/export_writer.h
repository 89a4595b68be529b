// The HTML and RTF export: the lines of a file, painted in the colours of
// its syntax classes, written as the lines of an HTML or RTF file.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "edit/export_painter.h"
#include "platform/code_page.h"

namespace tarn {

enum class ExportKind { Html, Rtf };

class ExportWriter {
 public:
  // A line written is cut into lines of at most this many characters.
  static constexpr size_t kLongestLine = 8100;

  // set: the file's keyword set, null when it has none.
  static std::unique_ptr<ExportWriter> make(ExportKind kind, const ExportPalette& palette, const KeywordSet* set,
                                            const CodePage& page);
  virtual ~ExportWriter() = default;

  // The file's next line.
  void add(std::string_view line);
  // The closing lines.
  void finish();
  // The next line written and not taken yet (the opening lines come
  // first); valid until add or finish is called again. False when none is
  // left: the lines come as they are written, so that a long file's
  // export need not be held whole.
  bool takeLine(std::string_view& line);

 protected:
  ExportWriter(const ExportPalette& palette, const KeywordSet* set, const CodePage& page);

  virtual void opening() = 0;
  virtual void lineEnd() {}
  virtual void closing() = 0;
  // The characters the format writes as they are, and how it writes the others.
  virtual bool plain(char c) const = 0;
  virtual std::string escaped(char c) const = 0;

  // A line of its own (no line is being written).
  void line(std::string_view text);
  // A piece of the line being written (a character as written, a tag): a
  // piece that would pass the longest line begins the next line.
  void piece(std::string_view text);
  // Characters written as they are, each a piece of its own.
  void characters(std::string_view text);
  // What the format writes for each byte, learnt once from plain and escaped.
  void learnEscapes();

  const ExportPalette& palette_;
  const CodePage& page_;
  // The piece that starts each of the sixteen colours, made once, and the
  // pieces around a remark.
  std::array<std::string, 16> colourTags_;
  std::string remarkBegins_, remarkEnds_;

 private:
  void run(const PaintedRun& run);
  void startLine();
  size_t lineStart() const { return ends_.empty() ? 0 : ends_.back(); }
  size_t lineSize() const { return written_.size() - lineStart(); }
  void dropTakenLines();

  ExportPainter painter_;
  std::array<bool, 256> plain_{};
  std::array<std::string, 256> escapes_;
  // The lines written, one after another, and where each ends; the line
  // being written follows the last of them.
  std::string written_;
  std::vector<size_t> ends_;
  size_t taken_ = 0;
};

}  // namespace tarn
