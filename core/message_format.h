// Messages that carry a name or a number in place of a "%s" or "%d".
#pragma once
#include <string>
#include <string_view>

namespace tarn {

// The format with its first placeholder ("%s" or "%d") replaced by text.
inline std::string formatMessage(std::string_view format, std::string_view text) {
  std::string message(format);
  size_t at = message.find('%');
  if (at != std::string::npos && at + 1 < message.size()) message.replace(at, 2, text);
  return message;
}

}  // namespace tarn
