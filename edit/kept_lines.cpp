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

void packText(std::string& out, std::string_view text) {
  auto length = static_cast<uint32_t>(text.size());
  out.append(reinterpret_cast<const char*>(&length), sizeof length);
  out.append(text);
}

std::string unpackText(std::string_view& packed) {
  uint32_t length = 0;
  std::memcpy(&length, packed.data(), sizeof length);
  std::string text(packed.substr(sizeof length, length));
  packed.remove_prefix(sizeof length + length);
  return text;
}

}  // namespace

void packLine(std::string& out, const Line& line, const TabExpansion* expansion) {
  LineHead head{line.length, static_cast<uint16_t>(line.flags & kKeptFlags)};
  if (expansion) head.flags |= lineflag::kTabsExpanded;
  out.append(reinterpret_cast<const char*>(&head.length), sizeof head.length);
  out.append(reinterpret_cast<const char*>(&head.flags), sizeof head.flags);
  out.append(line.view());
  if (expansion) packExpansion(out, *expansion);
}

std::vector<KeptLine> unpackLines(std::string_view packed) {
  std::vector<KeptLine> lines;
  while (packed.size() >= kHeadBytes) {
    LineHead head;
    std::memcpy(&head.length, packed.data(), sizeof head.length);
    std::memcpy(&head.flags, packed.data() + sizeof head.length, sizeof head.flags);
    packed.remove_prefix(kHeadBytes);
    KeptLine kept{makeLine(packed.substr(0, head.length)), std::nullopt};
    kept.line->flags = head.flags & kKeptFlags;
    packed.remove_prefix(head.length);
    if (head.flags & lineflag::kTabsExpanded) kept.expansion = unpackExpansion(packed);
    lines.push_back(std::move(kept));
  }
  return lines;
}

void packExpansion(std::string& out, const TabExpansion& expansion) {
  packText(out, expansion.original);
  packText(out, expansion.expanded);
}

TabExpansion unpackExpansion(std::string_view& packed) {
  TabExpansion expansion;
  expansion.original = unpackText(packed);
  expansion.expanded = unpackText(packed);
  return expansion;
}

}  // namespace tarn
