#include "core/text_writer.h"

#include "core/document.h"
#include "core/encrypted_format.h"
#include "core/engine.h"
#include "core/line_ends.h"
#include "core/line_trim.h"
#include "platform/file_system.h"

namespace tarn {

namespace {

constexpr size_t kBufferSize = size_t{1} << 18;
constexpr char kCtrlZ = 0x1A;

// The expansion tab stop after a column, or -1 beyond the last one.
int nextStop(int column, int tabExpand) {
  int next = (column / tabExpand + 1) * tabExpand;
  return next < Engine::kTabStopColumns ? next : -1;
}

// A run of at least two blanks that ends exactly at a tab stop becomes one tab.
void compressBlanks(std::string_view text, const WriteRules& rules, std::string& out) {
  int column = 0;
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (rules.stopAtQuote && (c == '\'' || c == '"')) {
      out.append(text.substr(i));
      return;
    }
    if (c != ' ') {
      out += c;
      int stop = c == '\t' ? nextStop(column, rules.tabExpand) : -1;
      column = stop >= 0 ? stop : column + 1;
      ++i;
      continue;
    }
    size_t run = text.find_first_not_of(' ', i);
    int blanks = static_cast<int>((run == std::string_view::npos ? text.size() : run) - i);
    i += blanks;
    while (blanks > 0) {
      int stop = nextStop(column, rules.tabExpand);
      if (stop < 0 || stop > column + blanks) {
        out.append(blanks, ' ');
        column += blanks;
        break;
      }
      int used = stop - column;
      if (used >= 2) {
        out += '\t';
      } else {
        out.append(used, ' ');
      }
      column = stop;
      blanks -= used;
    }
  }
}

// Bytes on their way to the file: lines are encoded straight into it, and
// it is written once it holds a block's worth.
class OutputBuffer {
 public:
  explicit OutputBuffer(fs::File& file) : file_(file) { bytes_.reserve(kBufferSize + 1024); }

  std::string& bytes() { return bytes_; }

  // Writes the bytes when a block's worth has gathered.
  bool pass() { return bytes_.size() < kBufferSize || flush(); }

  bool flush() {
    bool ok = file_.writeAll(bytes_);
    bytes_.clear();
    return ok;
  }

 private:
  fs::File& file_;
  std::string bytes_;
};

bool isSentinelLine(const Document& doc, const Line* line) {
  return doc.isSentinel(line) &&
         (line->view() == topOfFileText() || line->view() == bottomOfFileText());
}

}  // namespace

WriteRules WriteRules::of(const Document& doc, int tabExpand, int lineTrim) {
  WriteRules r;
  r.compressBlanks = doc.option(opt::kCompressBlanks) != 0;
  r.stopAtQuote = (doc.option(opt::kBehaviour) & behaviour::kCompatibility) != 0;
  r.tabExpand = tabExpand < 1 ? 1 : tabExpand;
  r.lineEnd = doc.option(opt::kLineEnd) & 3;
  r.lineTrim = lineTrim;
  r.eofMark = doc.option(opt::kEofMark) != 0;
  return r;
}

void encodeLine(std::string_view text, const WriteRules& rules, int lineEnd, std::string& out) {
  if (rules.password) {
    encipherLine(text, *rules.password, out);
  } else if (rules.compressBlanks) {
    compressBlanks(text, rules, out);
  } else {
    out.append(text);
  }
  if (!(lineEnd & lineend::kNoCarriageReturn)) out += '\r';
  if (!(lineEnd & lineend::kNoLineFeed)) out += '\n';
}

bool writeDocument(Document& doc, const WriteRules& rules, bool append, fs::File& file) {
  OutputBuffer out(file);
  if (rules.password && !append) out.bytes() += kEncryptedHeader;
  Line* first = append ? doc.first : doc.firstText();
  Line* last = append ? doc.last : doc.lastText();
  std::string trimmed;
  for (Line* line = first; line; line = line == last ? nullptr : line->next()) {
    // Lines put in another order (sorted) lie anywhere: the next one's
    // text is fetched while this one is written.
    if (Line* next = line->next()) __builtin_prefetch(next->text);
    if (append && isSentinelLine(doc, line)) continue;
    if (!append && rules.lineTrim) {
      // The document keeps the trimmed text it was saved with.
      trimmed.assign(line->view());
      trimmed.resize(trimBlanks(trimmed.data(), line->length, rules.lineTrim));
      if (trimmed.size() < line->length) doc.setText(*line, trimmed);
    }
    int lineEnd = rules.lineEnd;
    if (rules.keepLineEnds) {
      lineEnd = ownLineEnd(line->flags, rules.lineEnd);
      // A line without a line end in its file gets one once lines follow it.
      if (lineEnd == lineend::kNone && line != last) lineEnd = rules.lineEnd;
    }
    if (rules.marks && (line->flags & lineflag::kTabsExpanded))
      encodeLine(rules.marks->unexpandedText(doc, *line), rules, lineEnd, out.bytes());
    else
      encodeLine(line->view(), rules, lineEnd, out.bytes());
    if (!out.pass()) return false;
  }
  if (rules.eofMark && !append && !rules.password) out.bytes() += kCtrlZ;
  return out.flush();
}

}  // namespace tarn
