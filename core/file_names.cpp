#include "core/file_names.h"

#include <array>
#include <optional>

#include "core/text_case.h"
#include "core/wildcard.h"
#include "platform/file_system.h"

namespace tarn {

namespace {

constexpr size_t kLongestComponent = 255;

std::string joinPath(const std::string& dir, std::string_view name) {
  std::string path = dir;
  if (!path.ends_with('/')) path += '/';
  path += name;
  return path;
}

std::vector<std::string_view> components(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The entry of dir called name as it is spelled on disk: the exact name
// when it exists, else the first entry equal to it without regard to case.
std::optional<std::string> spellingOnDisk(const std::string& dir, std::string_view name,
                                          bool directory) {
  auto fits = [directory](const fs::FileStatus& s) { return s.isDirectory == directory; };
  if (auto exact = fs::status(joinPath(dir, name)); exact && fits(*exact)) return std::string(name);
  auto entries = fs::listDirectory(dir);
  if (!entries) return std::nullopt;
  for (const auto& e : *entries)
    if (e.isDirectory == directory && equalsIgnoringCase(e.name, name)) return e.name;
  return std::nullopt;
}

// The directory part rebuilt component by component; none when a component
// does not exist.
std::optional<std::string> rebuildDirectory(const std::vector<std::string_view>& parts) {
  std::vector<std::string> rebuilt;
  auto pathOf = [&rebuilt] {
    std::string path;
    for (const auto& p : rebuilt) path += "/" + p;
    return path.empty() ? std::string("/") : path;
  };
  for (std::string_view part : parts) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!rebuilt.empty()) rebuilt.pop_back();
      continue;
    }
    if (hasWildcard(part) || part.size() > kLongestComponent) return std::nullopt;
    auto spelled = spellingOnDisk(pathOf(), part, true);
    if (!spelled) return std::nullopt;
    rebuilt.push_back(std::move(*spelled));
  }
  return pathOf();
}

bool validName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || name.size() > kLongestComponent) return false;
  return !isReservedDeviceName(name);
}

}  // namespace

bool isReservedDeviceName(std::string_view name) {
  static constexpr std::array<std::string_view, 8> kReserved = {"NUL",  "AUX",  "CON",  "COM1",
                                                                "COM2", "LPT1", "LPT2", "PRN"};
  for (std::string_view r : kReserved)
    if (equalsIgnoringCase(name, r)) return true;
  return false;
}

std::string directoryOf(std::string_view path) {
  size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return ".";
  return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

std::string_view baseNameOf(std::string_view path) {
  size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool expandSpecification(std::string_view spec, const std::string& currentDirectory,
                         std::vector<std::string>& names) {
  if (spec.empty() || spec.find('\0') != std::string_view::npos) return false;
  std::string path = spec.starts_with('/') ? std::string(spec) : joinPath(currentDirectory, spec);
  auto parts = components(path);
  std::string_view name = parts.back();
  parts.pop_back();
  if (!validName(name)) return false;
  auto dir = rebuildDirectory(parts);
  if (!dir) return false;

  if (hasWildcard(name)) {
    // As on the systems the names come from, "*.*" also matches names without a dot.
    std::string_view pattern = name == "*.*" ? std::string_view("*") : name;
    auto entries = fs::listDirectory(*dir);
    if (!entries) return false;
    size_t before = names.size();
    for (const auto& e : *entries)
      if (!e.isDirectory && matchesWildcard(pattern, e.name)) names.push_back(joinPath(*dir, e.name));
    return names.size() > before;
  }
  if (auto existing = fs::status(joinPath(*dir, name)); existing && existing->isDirectory) return false;
  auto spelled = spellingOnDisk(*dir, name, false);
  names.push_back(joinPath(*dir, spelled ? std::string_view(*spelled) : name));
  return true;
}

}  // namespace tarn
