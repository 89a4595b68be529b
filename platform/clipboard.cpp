#include "platform/clipboard.h"

#include "platform/environment.h"
#include "platform/terminal_clipboard.h"
#include "platform/wayland_clipboard.h"
#include "platform/x11_clipboard.h"

namespace tarn {

Clipboard::Clipboard(EventLoop& loop, Console& console) {
  if (auto display = environmentValue("DISPLAY"); display && !display->empty()) {
    auto x11 = std::make_unique<X11Clipboard>(loop, *display);
    x11_ = x11.get();
    ways_.push_back(std::move(x11));
  }
  if (auto wayland = environmentValue("WAYLAND_DISPLAY"); wayland && !wayland->empty())
    ways_.push_back(std::make_unique<WaylandClipboard>());
  ways_.push_back(std::make_unique<TerminalClipboard>(console));
}

Clipboard::~Clipboard() {
  if (x11_) x11_->handOver();
}

void Clipboard::copy(const ClipboardContent& content) {
  for (auto& way : ways_)
    if (way->publish(content)) break;
  kept_ = content;
}

std::string Clipboard::read(ClipFormat format) {
  std::string text;
  lend(format, [&](std::string_view lent) { text = lent; });
  return text;
}

void Clipboard::lend(ClipFormat format, const std::function<void(std::string_view)>& use) {
  for (auto& way : ways_)
    if (auto text = way->read(format)) return use(*text);
  use(kept_.in(format));
}

}  // namespace tarn
