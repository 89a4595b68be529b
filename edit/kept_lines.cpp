#include "edit/kept_lines.h"

#include <cstdint>
#include <cstring>

namespace tarn {

namespace {

// The flags a line takes back with its text; the others follow the line's
// place and the mark, and are set anew.
constexpr uint16_t kKeptFlags =
    lineflag::kEndedCrLf | lineflag::kEndedCr | lineflag::kEndedLf | lineflag::kNoLineEnd;

struct LineHead {
  uint32_t length;
  uint16_t flags;
};
constexpr size_t kHeadBytes = sizeof(uint32_t) + sizeof(uint16_t);

}  // namespace

void packLine(std::string& out, const Line& line) {
  LineHead head{line.length, static_cast<uint16_t>(line.flags & kKeptFlags)};
  out.append(reinterpret_cast<const char*>(&head.length), sizeof head.length);
  out.append(reinterpret_cast<const char*>(&head.flags), sizeof head.flags);
  out.append(line.view());
}

std::vector<Line*> unpackLines(std::string_view packed) {
  std::vector<Line*> lines;
  while (packed.size() >= kHeadBytes) {
    LineHead head;
    std::memcpy(&head.length, packed.data(), sizeof head.length);
    std::memcpy(&head.flags, packed.data() + sizeof head.length, sizeof head.flags);
    packed.remove_prefix(kHeadBytes);
    Line* line = makeLine(packed.substr(0, head.length));
    line->flags = head.flags;
    lines.push_back(line);
    packed.remove_prefix(head.length);
  }
  return lines;
}

}  // namespace tarn
