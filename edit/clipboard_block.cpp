#include "edit/clipboard_block.h"

#include <algorithm>
#include <cstdio>

#include "core/line_buffer.h"
#include "core/text_case.h"

namespace tarn {

namespace {

constexpr std::string_view kHeader =
    "Version:0.9\r\nStartHTML:00000000\r\nEndHTML:00000000\r\nStartFragment:00000000\r\n"
    "EndFragment:00000000\r\nStartSelection:00000000\r\nEndSelection:00000000\r\n";

// Where a tag begins, without regard to case; npos when it is missing.
size_t findTag(std::string_view text, std::string_view tag) {
  auto it = std::search(text.begin(), text.end(), tag.begin(), tag.end(),
                        [](char a, char b) { return asciiLower(a) == asciiLower(b); });
  return it == text.end() ? std::string_view::npos : static_cast<size_t>(it - text.begin());
}

// Overwrites the eight digits after "name:" with the offset.
void fillField(std::string& block, std::string_view name, size_t offset) {
  size_t at = block.find(name) + name.size() + 1;
  char digits[16];
  std::snprintf(digits, sizeof digits, "%08u", static_cast<unsigned>(offset));
  block.replace(at, 8, digits, 8);
}

}  // namespace

std::string clipboardText(const MarkedText& marked) {
  std::string text;
  size_t size = 0;
  for (std::string_view line : marked.lines) size += line.size() + 2;
  text.reserve(size);
  const bool stream = !bufferkind::isLines(marked.kind);
  for (size_t i = 0; i < marked.lines.size(); ++i) {
    text += marked.lines[i];
    bool last = i + 1 == marked.lines.size();
    if (!last || (!stream && marked.lastLineEnded)) text += "\r\n";
  }
  return text;
}

std::string htmlClipboardBlock(std::string_view body) {
  std::string block;
  block.reserve(kHeader.size() + body.size());
  block += kHeader;
  block += body;
  auto offsetOf = [&](std::string_view tag, bool after) -> size_t {
    size_t at = findTag(body, tag);
    return at == std::string_view::npos ? 0 : kHeader.size() + at + (after ? tag.size() : 0);
  };
  fillField(block, "StartHTML", offsetOf("<html>", false));
  fillField(block, "EndHTML", block.size());
  const size_t fragmentStart = offsetOf("<pre>", false), fragmentEnd = offsetOf("</pre>", true);
  for (std::string_view name : {"StartFragment", "StartSelection"}) fillField(block, name, fragmentStart);
  for (std::string_view name : {"EndFragment", "EndSelection"}) fillField(block, name, fragmentEnd);
  return block;
}

std::string_view htmlClipboardBody(std::string_view block) {
  if (!block.starts_with("Version:")) return block;
  // The header ends with the line of the last field.
  size_t last = block.find("EndSelection:");
  size_t end = last == std::string_view::npos ? std::string_view::npos : block.find("\r\n", last);
  return end == std::string_view::npos ? block : block.substr(end + 2);
}

}  // namespace tarn
