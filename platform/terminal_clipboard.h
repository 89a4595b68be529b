// The terminal's own clipboard (OSC 52), which also reaches the desktop
// over ssh and from inside tmux. Copying only: terminals do not hand the
// clipboard back reliably.
#pragma once
#include "platform/clipboard_provider.h"
#include "platform/console.h"

namespace tarn {

class TerminalClipboard : public ClipboardProvider {
 public:
  explicit TerminalClipboard(Console& console) : console_(console) {}
  bool publish(const ClipboardContent& content) override { return console_.setTerminalClipboard(content.text); }
  std::optional<std::string> read(ClipFormat) override { return std::nullopt; }

 private:
  Console& console_;
};

}  // namespace tarn
