#include "platform/wayland_clipboard.h"

#include "platform/piped_program.h"

namespace tarn {

namespace {

const char* mimeType(ClipFormat format) {
  switch (format) {
    case ClipFormat::Html: return "text/html";
    case ClipFormat::Rtf: return "text/rtf";
    case ClipFormat::Text: break;
  }
  return "text/plain;charset=utf-8";
}

}  // namespace

bool WaylandClipboard::publish(const ClipboardContent& content) {
  // wl-copy leaves a server of its own behind, which keeps the text.
  PipedRun run;
  run.input = content.text;
  auto result = runPiped({"wl-copy", "--type", mimeType(ClipFormat::Text)}, run);
  return result && result->status == 0;
}

std::optional<std::string> WaylandClipboard::read(ClipFormat format) {
  PipedRun run;
  run.collectOutput = true;
  // "text" lets wl-paste choose among the text types offered.
  auto result = runPiped({"wl-paste", "--no-newline", "--type", format == ClipFormat::Text ? "text" : mimeType(format)},
                         run);
  // wl-paste fails alike when the clipboard holds no such type and when it
  // cannot reach the compositor: the next way is asked then.
  if (!result || result->status != 0) return std::nullopt;
  return result->output;
}

}  // namespace tarn
