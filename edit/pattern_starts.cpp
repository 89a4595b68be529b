#include "edit/pattern_starts.h"

#include <vector>

#include "edit/pattern_program.h"

namespace tarn {

namespace {

// Adds the text bytes that an element takes.
void addBytes(const PatternProgram& program, const PatternInstruction& in, std::bitset<256>& bytes) {
  for (int c = 0; c < 256; ++c) {
    unsigned char folded = program.fold[c];
    if ((in.op == PatternOp::kChar && folded == in.arg) || in.op == PatternOp::kAny ||
        (in.op == PatternOp::kClass && program.classes[in.arg].bytes[folded]))
      bytes.set(c);
  }
}

}  // namespace

// Follows every path from the first instruction up to the first element
// that must take a byte.
PatternStarts::PatternStarts(const PatternProgram& program) : anywhere_(false) {
  std::vector<bool> seen(program.code.size());
  std::vector<uint32_t> paths{0};
  while (!paths.empty() && !anywhere_) {
    uint32_t pc = paths.back();
    paths.pop_back();
    if (seen[pc]) continue;
    seen[pc] = true;
    const PatternInstruction& in = program.code[pc];
    switch (in.op) {
      case PatternOp::kClass:
        lineEnd_ = lineEnd_ || program.classes[in.arg].lineEnd;
        [[fallthrough]];
      case PatternOp::kChar:
      case PatternOp::kAny:
        addBytes(program, in, bytes_);
        if (in.repeat == PatternRepeat::kAnyNumber) paths.push_back(pc + 1);
        break;
      case PatternOp::kLineEnd:
        lineEnd_ = true;
        break;
      case PatternOp::kLineStart:
      case PatternOp::kSave:
        paths.push_back(pc + 1);
        break;
      case PatternOp::kSplit:
        paths.push_back(in.arg);
        paths.push_back(pc + 1);
        break;
      case PatternOp::kJump:
        paths.push_back(in.arg);
        break;
      case PatternOp::kBackReference:
      case PatternOp::kMatch:
        anywhere_ = true;
        break;
    }
  }
  if (anywhere_ || lineEnd_) return;
  // One byte, or one letter in both its cases, is left to the byte scan.
  const size_t count = bytes_.count();
  for (int c = 0; c < 256 && count <= 2; ++c) {
    if (!bytes_[c]) continue;
    ByteToFind wanted = byteToFind(static_cast<char>(c), count == 2);
    if (count == 1 || (wanted.eitherCase && bytes_[wanted.byte] && bytes_[wanted.byte & ~0x20])) only_ = wanted;
    break;
  }
}

size_t PatternStarts::next(std::string_view line, size_t from) const {
  if (from > line.size()) return std::string_view::npos;
  if (anywhere_) return from;
  if (only_) return scanForward(line, from, *only_);
  for (size_t i = from; i < line.size(); ++i)
    if (bytes_[static_cast<unsigned char>(line[i])]) return i;
  return lineEnd_ ? line.size() : std::string_view::npos;
}

size_t PatternStarts::previous(std::string_view line, size_t from) const {
  if (from >= line.size()) {
    if (anywhere_ || lineEnd_) return line.size();
    from = line.size();
  } else if (anywhere_) {
    return from;
  }
  if (only_) return scanBackward(line, from, *only_);
  for (size_t i = std::min(from + 1, line.size()); i-- > 0;)
    if (bytes_[static_cast<unsigned char>(line[i])]) return i;
  return std::string_view::npos;
}

}  // namespace tarn
