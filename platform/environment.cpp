#include "platform/environment.h"

#include <cstdlib>

namespace tarn {

std::optional<std::string> environmentValue(const char* name) {
  const char* v = std::getenv(name);
  if (!v) return std::nullopt;
  return std::string(v);
}

void setEnvironmentValue(const char* name, const std::string& value) {
  ::setenv(name, value.c_str(), 1);
}

std::vector<std::string> searchPathDirectories(const char* name) {
  std::vector<std::string> dirs;
  auto value = environmentValue(name);
  if (!value) return dirs;
  size_t start = 0;
  while (start <= value->size()) {
    size_t end = value->find(':', start);
    if (end == std::string::npos) end = value->size();
    if (end > start) dirs.push_back(value->substr(start, end - start));
    start = end + 1;
  }
  return dirs;
}

}  // namespace tarn
