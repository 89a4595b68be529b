#include "core/text_reader.h"

#include <algorithm>
#include <cstring>

#include "core/document.h"
#include "core/encrypted_format.h"
#include "core/engine.h"
#include "core/line_ends.h"
#include "core/line_trim.h"

namespace tarn {

namespace {

constexpr uint8_t kCtrlZ = 0x1A;
constexpr uint32_t kInitialRoom = 256;
constexpr int kCut = -1;  // a line cut at the longest line: it had no line end of its own

// Bytes the splitting loop must look at; every other byte is a plain character.
constexpr bool isSpecial(uint8_t c) { return c == 0 || c == '\t' || c == '\n' || c == '\r' || c == kCtrlZ; }

// How many plain bytes begin p (at most n): sixteen bytes are looked at
// together while none of them is special.
size_t plainRun(const uint8_t* p, size_t n) {
  using Bytes = uint8_t __attribute__((vector_size(16)));
  size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    Bytes v;
    std::memcpy(&v, p + i, sizeof v);
    Bytes special = (v == 0) | (v == '\t') | (v == '\n') | (v == '\r') | (v == kCtrlZ);
    uint64_t half[2];
    std::memcpy(half, &special, sizeof half);
    if (half[0] | half[1]) break;
  }
  while (i < n && !isSpecial(p[i])) ++i;
  return i;
}

}  // namespace

ReadRules ReadRules::of(const Document& doc, int tabExpand, int lineTrim) {
  ReadRules r;
  r.keepTabs = doc.option(opt::kKeepTabs) != 0;
  r.stripEighthBit = doc.option(opt::kStripEighthBit) != 0;
  int fill = doc.option(opt::kTabFill);
  r.tabFill = fill > 0 && fill < 256 ? static_cast<char>(fill) : ' ';  // lines hold no NUL
  r.tabExpand = tabExpand;
  r.longestLine = static_cast<uint32_t>(std::max(2, doc.option(opt::kLongestLine)));
  r.lineTrim = lineTrim;
  r.lineEnd = doc.option(opt::kLineEnd) & 3;
  return r;
}

TextReader::TextReader(Document& doc, const ReadRules& rules, const std::string* password)
    : doc_(doc), rules_(rules), password_(password), cutAt_(std::max<uint32_t>(rules.longestLine, 2) - 1) {
  if (rules_.tabExpand < 1) rules_.tabExpand = 1;
  text_.resize(std::min(kInitialRoom, cutAt_));
  room_ = static_cast<uint32_t>(text_.size());
}

bool TextReader::feed(std::string_view block) {
  if (ended_) return false;
  if (password_) {
    feedCipher(block);
  } else {
    feedPlain(block);
  }
  return !ended_;
}

void TextReader::feedPlain(std::string_view block) {
  const auto* p = reinterpret_cast<const uint8_t*>(block.data());
  const auto* end = p + block.size();
  const uint8_t mask = rules_.stripEighthBit ? 0x7F : 0xFF;
  while (p < end) {
    uint8_t c = *p++ & mask;
    if (pendingCr_ && endsCarriageReturn(c)) continue;
    if (!isSpecial(c)) {
      if (mask == 0xFF && length_ < room_) {
        // Copy the run of plain characters up to the next special byte at once.
        const uint8_t* run = p - 1;
        size_t room = std::min<size_t>(static_cast<size_t>(end - p), room_ - length_ - 1);
        size_t n = 1 + plainRun(p, room);
        std::memcpy(text_.data() + length_, run, n);
        length_ += static_cast<uint32_t>(n);
        p = run + n;
      } else if (length_ < room_) {
        text_[length_++] = static_cast<char>(c);
      } else {
        addSlow(c);
      }
      continue;
    }
    switch (c) {
      case '\r':
        pendingCr_ = true;
        break;
      case '\n':
        endLine(lineend::kLf);
        break;
      case kCtrlZ:
        if (length_ == 0 && !continued_) {
          ended_ = true;
          return;
        }
        addCharacter(c);
        break;
      default:
        addCharacter(c);
    }
  }
}

// After a CR the line ends: as CR LF when this byte is the LF (which is then
// taken), else as CR alone. True when the byte was taken.
bool TextReader::endsCarriageReturn(uint8_t c) {
  pendingCr_ = false;
  bool lineFeed = c == '\n';
  endLine(lineFeed ? lineend::kCrLf : lineend::kCr);
  return lineFeed;
}

void TextReader::feedCipher(std::string_view block) {
  for (char ch : block) {
    auto c = static_cast<uint8_t>(ch);
    if (pendingCr_ && endsCarriageReturn(c)) continue;
    if (c == '\r') {
      pendingCr_ = true;
    } else if (c == '\n') {
      endLine(lineend::kLf);
    } else if (c == kCtrlZ && hexDigits_.empty()) {
      ended_ = true;
      return;
    } else if (c != 0) {
      hexDigits_ += static_cast<char>(c);
    }
  }
}

// A character of the line (line ends are handled by the caller).
void TextReader::addCharacter(uint8_t c) {
  if (c == 0) return;
  if (c == '\t') {
    addTab();
    return;
  }
  if (length_ < room_) {
    text_[length_++] = static_cast<char>(c);
  } else {
    addSlow(c);
  }
}

// The line is full: cut it, or make more room.
void TextReader::addSlow(uint8_t c) {
  if (length_ >= cutAt_) {
    storeLine(kCut);
    continued_ = true;
  }
  if (length_ >= text_.size()) text_.resize(std::min<size_t>(cutAt_, text_.size() * 2));
  room_ = static_cast<uint32_t>(text_.size());
  text_[length_++] = static_cast<char>(c);
}

void TextReader::addTab() {
  if (rules_.keepTabs) {
    hasTab_ = true;
    addSlow('\t');
    return;
  }
  // Fill up to the next expansion stop; beyond the last stop only one column.
  const int te = rules_.tabExpand;
  uint32_t next = (length_ / te + 1) * te;
  uint32_t fill = next < static_cast<uint32_t>(Engine::kTabStopColumns) ? next - length_ : 1;
  for (uint32_t i = 0; i < fill; ++i) addSlow(static_cast<uint8_t>(rules_.tabFill));
}

void TextReader::endLine(int lineEnd) {
  if (password_) {
    plain_.clear();
    if (!decipherLine(hexDigits_, *password_, plain_)) plain_ = hexDigits_;  // not ours: kept as found
    hexDigits_.clear();
    const uint8_t mask = rules_.stripEighthBit ? 0x7F : 0xFF;
    for (char c : plain_) addCharacter(static_cast<uint8_t>(c) & mask);
  }
  storeLine(lineEnd);
  continued_ = false;
}

void TextReader::storeLine(int lineEnd) {
  uint32_t length = trimBlanks(text_.data(), length_, rules_.lineTrim);
  Line* line = makeLine(std::string_view(text_.data(), length));
  if (hasTab_) line->flags |= lineflag::kHasTab;
  if (lineEnd != kCut && lineEnd != lineend::kNone) {
    // Until the most common line end is known, the first one stands for it.
    if (rules_.detectLineEnd && !lineEndSeen_) rules_.lineEnd = lineEnd;
    lineEndSeen_ = true;
    ++counts_[lineEnd];
  }
  bool flagged = rules_.detectLineEnd ? lineEnd != kCut : lineEnd == lineend::kCrLf;
  if (flagged && lineEnd != rules_.lineEnd) line->flags |= lineEndFlag(lineEnd);
  doc_.appendLine(line);
  length_ = 0;
  hasTab_ = false;
}

// The document takes the line end most lines had (on a tie the first
// line's); the lines are flagged again against it.
void TextReader::takeMostCommonLineEnd() {
  if (!doc_.first) {
    // An empty file stays empty.
    Line* line = makeLine(0);
    line->flags |= lineflag::kNoLineEnd;
    doc_.appendLine(line);
  }
  if (!lineEndSeen_) return;
  int most = rules_.lineEnd;
  for (int end : {lineend::kCrLf, lineend::kCr, lineend::kLf})
    if (counts_[end] > counts_[most]) most = end;
  if (most != rules_.lineEnd) {
    for (Line* line = doc_.first; line; line = line == doc_.last ? nullptr : line->next()) {
      int own = ownLineEnd(line->flags, rules_.lineEnd);
      line->flags = static_cast<uint16_t>((line->flags & ~kLineEndFlags) | (own == most ? 0 : lineEndFlag(own)));
    }
    rules_.lineEnd = most;
  }
  doc_.options[opt::kLineEnd] = most;
}

void TextReader::finish() {
  if (!ended_) {
    if (pendingCr_) {
      pendingCr_ = false;
      endLine(lineend::kCr);
    } else if (length_ > 0 || !hexDigits_.empty()) {
      endLine(lineend::kNone);
    }
  }
  if (rules_.detectLineEnd) takeMostCommonLineEnd();
}

}  // namespace tarn
