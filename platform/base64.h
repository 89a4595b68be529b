// Base64 (RFC 4648, with padding): how the terminal's clipboard sequence
// carries its text.
#pragma once
#include <string>
#include <string_view>

namespace tarn {

std::string base64Encode(std::string_view bytes);

}  // namespace tarn
