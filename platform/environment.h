// The process environment.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tarn {

std::optional<std::string> environmentValue(const char* name);
void setEnvironmentValue(const char* name, const std::string& value);
// The directories listed in a colon-separated search-path variable.
std::vector<std::string> searchPathDirectories(const char* name);

}  // namespace tarn
