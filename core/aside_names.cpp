#include "core/aside_names.h"

#include <cstdint>

#include "core/document.h"
#include "core/file_names.h"

namespace tarn {

namespace {

constexpr size_t kLongestName = 255;
constexpr std::string_view kTemporary = ".tarn-";
constexpr std::string_view kOldText = ".tarn-old-";
constexpr std::string_view kRecovery = ".tarn-save";
constexpr size_t kRandomLength = 6;  // what mkstemp puts in place of XXXXXX
// Room for the leading dot and the longest ending.
constexpr size_t kLongestStem = kLongestName - 1 - kOldText.size() - kRandomLength;
constexpr size_t kHashLength = 8;

std::string hashOf(std::string_view text) {
  uint32_t h = 2166136261u;  // FNV-1a: the same name gives the same hash in every run
  for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  static const char kDigits[] = "0123456789abcdef";
  std::string hex(kHashLength, '0');
  for (size_t i = kHashLength; i-- > 0; h >>= 4) hex[i] = kDigits[h & 0xF];
  return hex;
}

// The first bytes of a name, not cutting a UTF-8 sequence.
std::string_view cut(std::string_view name, size_t length) {
  if (name.size() <= length) return name;
  while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) --length;
  return name.substr(0, length);
}

std::string markedStem(std::string_view base, std::string_view hashed) {
  return std::string(cut(base, kLongestStem - kHashLength - 1)) + "." + hashOf(hashed);
}

bool isRandomPart(std::string_view text) {
  if (text.size() != kRandomLength) return false;
  for (char c : text)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  return true;
}

bool isCopyNumber(std::string_view text) {
  if (text.empty() || text.size() > 3 || text[0] == '0') return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

AsidePlace besideFile(const std::string& path) {
  std::string_view base = baseNameOf(path);
  return {directoryOf(path), base.size() <= kLongestStem ? std::string(base) : markedStem(base, base)};
}

AsidePlace elsewhere(const std::string& path, const std::string& dir) {
  return {dir, markedStem(baseNameOf(path), path)};
}

std::vector<AsidePlace> asidePlaces(const std::string& path, const std::string& profileDirectory) {
  if (path == kUntitled) return {elsewhere(path, profileDirectory)};
  return {besideFile(path), elsewhere(path, profileDirectory)};
}

std::string asidePath(const AsidePlace& place, std::string_view name) {
  return place.dir + (place.dir.ends_with('/') ? "" : "/") + std::string(name);
}

std::string temporaryPrefix(const AsidePlace& place, AsideKind kind) {
  return "." + place.stem + std::string(kind == AsideKind::OldText ? kOldText : kTemporary);
}

std::string recoveryName(const AsidePlace& place, int n) {
  return place.stem + std::string(kRecovery) + (n > 1 ? "-" + std::to_string(n) : "");
}

std::optional<AsideKind> asideKindOf(const AsidePlace& place, std::string_view entry) {
  if (entry.starts_with(place.stem)) {
    std::string_view rest = entry.substr(place.stem.size());
    if (rest == kRecovery) return AsideKind::Recovery;
    if (rest.starts_with(kRecovery) && rest[kRecovery.size()] == '-' &&
        isCopyNumber(rest.substr(kRecovery.size() + 1)))
      return AsideKind::Recovery;
  }
  for (AsideKind kind : {AsideKind::OldText, AsideKind::SaveInProgress}) {
    std::string prefix = temporaryPrefix(place, kind);
    if (entry.starts_with(prefix) && isRandomPart(entry.substr(prefix.size()))) return kind;
  }
  return std::nullopt;
}

}  // namespace tarn
