#include "edit/tokenizer.h"

#include <algorithm>
#include <cstring>

#include "edit/token_classes.h"

namespace tarn {

namespace {

// Where the classes go: into a buffer, or nowhere when only the state at
// the end of the line is wanted (words are then not looked up).
class ClassWriter {
 public:
  static constexpr bool kWantsWords = true;
  explicit ClassWriter(std::span<char> classes) : out_(classes.data()), size_(classes.size()) {}
  void fill(size_t from, size_t to, char cls) {
    to = std::min(to, size_);
    if (from < to) std::memset(out_ + from, cls, to - from);
  }

 private:
  char* out_;
  size_t size_;
};

struct StateOnly {
  static constexpr bool kWantsWords = false;
  void fill(size_t, size_t, char) {}
};

bool markerAt(std::string_view text, size_t at, const Marker& marker) {
  const std::string_view m = marker.text();
  return text.size() - at >= m.size() && std::memcmp(text.data() + at, m.data(), m.size()) == 0;
}

// A column setting as the position of its first character, from 0.
size_t positionOfColumn(int column) { return static_cast<size_t>(column - 1); }

template <class Out>
class LineScan {
 public:
  LineScan(const KeywordSet& set, std::string_view line, Out out) : set_(set), out_(out) {
    const size_t classed = std::min(line.size(), kClassedLength);
    const size_t after = set.remarkAfter > 0 ? std::min(positionOfColumn(set.remarkAfter), kClassedLength - 1)
                                             : kClassedLength - 1;
    const size_t sequenceEnd = set.sequenceBefore > 0 ? positionOfColumn(set.sequenceBefore) : 0;
    bodyStart_ = std::min(sequenceEnd, classed);
    const size_t bodyEnd = std::max(bodyStart_, std::min(classed, after));
    body_ = line.substr(0, bodyEnd);
    out_.fill(0, bodyStart_, token::kNumber);
    out_.fill(bodyEnd, line.size(), token::kLineRemark);
    blockRemarks_ = !set.remarkBegin.empty() && !set.remarkEnd.empty();
    remarkLineFirst_ = firstByteOf(set.remarkLine);
    remarkBeginFirst_ = blockRemarks_ ? firstByteOf(set.remarkBegin) : kNoMarker;
    remarkLineAt_ = set.remarkColumn > 0 ? positionOfColumn(set.remarkColumn) : kAnywhere;
  }

  bool run(bool inBlockRemark) {
    size_t p = bodyStart_;
    bool inRemark = blockRemarks_ && inBlockRemark;
    if (inRemark) p = blockRemark(p, p, inRemark);
    while (p < body_.size()) {
      const char c = body_[p];
      const uint8_t kind = set_.kindOf(c);
      if (kind & char_kind::kWhite) {
        p = runFrom(p, char_kind::kWhite, token::kBlank);
      } else if (c == remarkLineFirst_ && isRemarkLine(p)) {
        out_.fill(p, body_.size(), token::kLineRemark);
        break;
      } else if (c == remarkBeginFirst_ && markerAt(body_, p, set_.remarkBegin)) {
        p = blockRemark(p, p + set_.remarkBegin.text().size(), inRemark);
      } else if (kind & char_kind::kSeparator) {
        out_.fill(p, p + 1, token::kSeparator);
        ++p;
      } else if (kind & char_kind::kDigit) {
        p = runFrom(p, char_kind::kInNumber, token::kNumber);
      } else if (kind & char_kind::kStringDelimiter) {
        p = stringFrom(p);
      } else {
        p = wordFrom(p);
      }
    }
    return inRemark;
  }

 private:
  static constexpr size_t kAnywhere = static_cast<size_t>(-1);
  static constexpr int kNoMarker = 256;  // no byte compares equal

  static int firstByteOf(const Marker& marker) {
    return marker.empty() ? kNoMarker : marker.text().front();
  }

  bool isRemarkLine(size_t p) const {
    return (remarkLineAt_ == kAnywhere || p == remarkLineAt_) && markerAt(body_, p, set_.remarkLine);
  }

  // The end of the run of the character at p and those after it of a kind.
  size_t runEnd(size_t p, uint8_t kind) const {
    size_t end = p + 1;
    while (end < body_.size() && (set_.kindOf(body_[end]) & kind)) ++end;
    return end;
  }
  size_t runFrom(size_t p, uint8_t kind, char cls) {
    const size_t end = runEnd(p, kind);
    out_.fill(p, end, cls);
    return end;
  }

  // A block remark that began at start and whose end is looked for from
  // `from` on: 'c' up to and including its end, or to the end of the text.
  size_t blockRemark(size_t start, size_t from, bool& inRemark) {
    const size_t end = body_.find(set_.remarkEnd.text(), from);
    inRemark = end == std::string_view::npos;
    const size_t next = inRemark ? body_.size() : end + set_.remarkEnd.text().size();
    out_.fill(start, next, token::kBlockRemark);
    return next;
  }

  // Up to and including the same delimiter when an even number of
  // backslashes stands before it, else to the end of the text.
  size_t stringFrom(size_t p) {
    const char delimiter = body_[p];
    size_t end = body_.size();
    for (size_t at = body_.find(delimiter, p + 1); at != std::string_view::npos;
         at = body_.find(delimiter, at + 1)) {
      size_t backslashes = 0;
      while (at - backslashes > p + 1 && body_[at - backslashes - 1] == '\\') ++backslashes;
      if (backslashes % 2 == 0) {
        end = at + 1;
        break;
      }
    }
    out_.fill(p, end, token::kString);
    return end;
  }

  size_t wordFrom(size_t p) {
    const size_t end = runEnd(p, char_kind::kInWord);
    if constexpr (Out::kWantsWords) out_.fill(p, end, set_.wordClass(body_.substr(p, end - p)));
    return end;
  }

  const KeywordSet& set_;
  Out out_;
  std::string_view body_;  // the line up to the remark-after column
  size_t bodyStart_;       // after the sequence-number area
  size_t remarkLineAt_;
  bool blockRemarks_;
  int remarkLineFirst_;   // the first byte of each marker, or kNoMarker
  int remarkBeginFirst_;
};

}  // namespace

bool tokenizeLine(const KeywordSet& set, std::string_view line, bool inBlockRemark,
                  std::span<char> classes) {
  return LineScan<ClassWriter>(set, line, ClassWriter(classes)).run(inBlockRemark);
}

bool remarkStateAfter(const KeywordSet& set, std::string_view line, bool inBlockRemark) {
  return LineScan<StateOnly>(set, line, StateOnly()).run(inBlockRemark);
}

}  // namespace tarn
