// The Wayland clipboard through wl-copy and wl-paste. One wl-copy offers
// one type, so a copy offers its plain text.
#pragma once
#include "platform/clipboard_provider.h"

namespace tarn {

class WaylandClipboard : public ClipboardProvider {
 public:
  bool publish(const ClipboardContent& content) override;
  std::optional<std::string> read(ClipFormat format) override;
};

}  // namespace tarn
