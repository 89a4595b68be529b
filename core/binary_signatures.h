// Binary files the editor refuses to open: known extensions whose files
// begin with the signature of their format.
#pragma once
#include <string_view>

namespace tarn {

// Whether a file of this name whose first bytes are these is refused.
bool isRefusedBinary(std::string_view fileName, std::string_view firstBytes);

}  // namespace tarn
