// The editor's own clipboard: it always works, so that copy and paste
// inside the editor work on a bare console, and it keeps what went out
// through a way that cannot be read back.
#pragma once
#include "platform/clipboard_provider.h"

namespace tarn {

class ClipboardStore : public ClipboardProvider {
 public:
  bool publish(const ClipboardContent& content) override {
    content_ = content;
    return true;
  }
  std::optional<std::string> read(ClipFormat format) override { return content_.in(format); }
  // The same, without a copy.
  const std::string& text(ClipFormat format) const { return content_.in(format); }

 private:
  ClipboardContent content_;
};

}  // namespace tarn
