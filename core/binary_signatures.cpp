#include "core/binary_signatures.h"

#include <array>

#include "core/file_names.h"
#include "core/text_case.h"

namespace tarn {

namespace {

struct Signature {
  std::string_view extension;
  std::string_view firstBytes;
};

constexpr std::array<Signature, 12> kSignatures = {{
    {"exe", "MZ"},
    {"dll", "MZ"},
    {"ocx", "MZ"},
    {"vxd", "MZ"},
    {"sys", "MZ"},
    {"bmp", "BM"},
    {"jpg", "\xFF\xD8"},
    {"gif", "GI"},
    {"wav", "RI"},
    {"hlp", "?_"},
    {"doc", "\xD0\xCF"},
    {"xls", "\xD0\xCF"},
}};

}  // namespace

bool isRefusedBinary(std::string_view fileName, std::string_view firstBytes) {
  std::string_view base = baseNameOf(fileName);
  size_t dot = base.rfind('.');
  if (dot == std::string_view::npos || firstBytes.size() < 2) return false;
  std::string_view extension = base.substr(dot + 1);
  for (const auto& s : kSignatures)
    if (equalsIgnoringCase(extension, s.extension) && firstBytes.substr(0, 2) == s.firstBytes) return true;
  return false;
}

}  // namespace tarn
