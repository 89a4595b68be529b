// One way to the desktop's clipboard. The clipboard tries its providers in
// turn; one that cannot serve falls through to the next.
#pragma once
#include <optional>
#include <string>

namespace tarn {

// The forms the clipboard holds text in, as MIME types.
enum class ClipFormat { Text, Html, Rtf };

// What one copy offers: UTF-8 text, and for HTML and RTF documents the same
// text in their rich form as well. An empty rich form is not offered.
struct ClipboardContent {
  std::string text;
  std::string html;
  std::string rtf;

  const std::string& in(ClipFormat format) const {
    return format == ClipFormat::Html ? html : format == ClipFormat::Rtf ? rtf : text;
  }
  std::string& in(ClipFormat format) {
    return format == ClipFormat::Html ? html : format == ClipFormat::Rtf ? rtf : text;
  }
};

class ClipboardProvider {
 public:
  virtual ~ClipboardProvider() = default;
  // Puts the content on the clipboard; false when this way does not work.
  virtual bool publish(const ClipboardContent& content) = 0;
  // The clipboard's text in a form (empty when it holds none in that form);
  // nothing when this way cannot read the clipboard.
  virtual std::optional<std::string> read(ClipFormat format) = 0;
};

}  // namespace tarn
