#include "core/status_line.h"

#include <cstdio>

namespace tarn {

namespace {
constexpr size_t kNameHead = 10;
constexpr std::string_view kEllipsis = "...";
}  // namespace

std::string statusNamePart(const StatusFields& f, int width) {
  size_t room = width > 0 ? static_cast<size_t>(width) : 0;
  std::string part(f.name);
  if (part.size() > room) {
    if (room > kNameHead + kEllipsis.size())
      part = std::string(f.name.substr(0, kNameHead)) + std::string(kEllipsis) +
             std::string(f.name.substr(f.name.size() - (room - kNameHead - kEllipsis.size())));
    else
      part.resize(room);
  }
  constexpr std::string_view kEncrypted = " (Enc)";
  if (f.encrypted && part.size() + kEncrypted.size() <= room) part += kEncrypted;
  if (f.ringSize > 1) {
    char ring[32];
    std::snprintf(ring, sizeof ring, " (%d of %d)", f.ringPlace, f.ringSize);
    if (part.size() + std::string_view(ring).size() <= room) part += ring;
  }
  part.resize(room, ' ');
  return part;
}

std::string statusPositionPart(const StatusFields& f) {
  char buf[64];
  std::string mode(f.mode.substr(0, 7));
  std::snprintf(buf, sizeof buf, " %6d %6d %-7s", f.line, f.column, mode.c_str());
  return buf;
}

std::string consoleTitle(std::string_view name, bool modified, bool readOnly) {
  std::string title = "Tarnedit";
  if (!name.empty()) title += " - " + std::string(name);
  if (modified)
    title += " *";
  else if (readOnly)
    title += " !";
  return title;
}

}  // namespace tarn
