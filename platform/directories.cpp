#include "platform/directories.h"

#include <fcntl.h>
#include <stdlib.h>
#include <strings.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/environment.h"

namespace fs = std::filesystem;

namespace tarn {

bool pathExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::exists(path, ec);
}

bool isDirectory(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

std::string executableDirectory() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  return exe.parent_path().string() + "/";
}

std::string installedDataDirectory() { return std::string(TARN_DATA_DIR) + "/"; }

std::string userConfigDirectory() {
  if (auto xdg = environmentValue("XDG_CONFIG_HOME"); xdg && !xdg->empty()) return *xdg + "/tarnedit";
  std::string home = environmentValue("HOME").value_or("");
  return home + "/.config/tarnedit";
}

bool directoryIsWritable(const std::string& dir) {
  std::string pattern = dir + "TARNXXXXXX";
  int fd = mkstemp(pattern.data());
  if (fd < 0) return false;
  close(fd);
  unlink(pattern.c_str());
  return true;
}

bool makeDirectories(const std::string& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  return isDirectory(dir);
}

std::vector<std::string> regularFiles(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (auto it = fs::directory_iterator(dir, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
  }
  return names;
}

bool copyFileIfAbsent(const std::string& from, const std::string& to) {
  std::error_code ec;
  return fs::copy_file(from, to, fs::copy_options::skip_existing, ec) || !ec;
}

std::string makePrivateTemporaryDirectory() {
  std::string base = environmentValue("TMPDIR").value_or("/tmp");
  if (base.empty()) base = "/tmp";
  std::string pattern = base + "/tarnedit-XXXXXX";
  if (!mkdtemp(pattern.data())) return "";
  return pattern;
}

void removeTree(const std::string& dir) {
  std::error_code ec;
  if (!dir.empty()) fs::remove_all(dir, ec);
}

std::string findNoCase(const std::string& dir, const std::string& name) {
  if (pathExists(dir + name)) return name;
  for (const std::string& entry : regularFiles(dir))
    if (strcasecmp(entry.c_str(), name.c_str()) == 0) return entry;
  return "";
}

}  // namespace tarn

namespace tarn {

bool renamePath(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool removeFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool changeDirectory(const std::string& dir) { return ::chdir(dir.c_str()) == 0; }

std::string currentDirectory() {
  std::error_code ec;
  auto p = fs::current_path(ec);
  return ec ? std::string() : p.string();
}

}  // namespace tarn
