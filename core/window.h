// Window records: each slot has a data window onto a file's document and a
// command-line window onto a one-line document of its own.
#pragma once
#include <cstdint>

namespace tarn {

struct Document;

namespace winflag {
constexpr uint32_t kZipMember = 0x4;
constexpr uint32_t kEncrypted = 0x20;
constexpr uint32_t kFtpFile = 0x100;
constexpr uint32_t kReadOnly = 0x800;
constexpr uint32_t kKeywordSet = 0x1000;  // the set's index in the upper 16 bits
constexpr uint32_t kSecondView = 0x2000;
}  // namespace winflag

struct WindowRecord {
  bool inUse = false;
  Document* document = nullptr;
  uint32_t flags = 0;
  int columns = 0;  // size of the text area
  int rows = 0;
  int left = 0;  // origin on the screen
  int top = 0;
  uint32_t controlKeyState = 0;  // of the last key event seen in this window

  int keywordSet() const { return (flags & winflag::kKeywordSet) ? static_cast<int>(flags >> 16) : -1; }
  // -1: none.
  void setKeywordSet(int set) {
    flags &= ~(winflag::kKeywordSet | 0xFFFF0000u);
    if (set >= 0) flags |= winflag::kKeywordSet | (static_cast<uint32_t>(set) << 16);
  }
};

}  // namespace tarn
