#include "platform/directories.h"

#include <fcntl.h>
#include <stdlib.h>
#include <strings.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <system_error>

#include "platform/environment.h"

namespace stdfs = std::filesystem;

namespace tarn {

bool pathExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && stdfs::exists(path, ec);
}

bool isDirectory(const std::string& path) {
  std::error_code ec;
  return stdfs::is_directory(path, ec);
}

std::string executableDirectory() {
  std::error_code ec;
  stdfs::path exe = stdfs::read_symlink("/proc/self/exe", ec);
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
  stdfs::create_directories(dir, ec);
  return isDirectory(dir);
}

std::vector<std::string> regularFiles(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (auto it = stdfs::directory_iterator(dir, ec); !ec && it != stdfs::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
  }
  return names;
}

std::vector<DirectoryEntry> directoryEntries(const std::string& dir) {
  std::vector<DirectoryEntry> entries;
  std::error_code ec;
  for (auto it = stdfs::directory_iterator(dir, ec); !ec && it != stdfs::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    entries.push_back({it->path().filename().string(), it->is_directory(typeError)});
  }
  return entries;
}

bool copyFileIfAbsent(const std::string& from, const std::string& to) {
  std::error_code ec;
  return stdfs::copy_file(from, to, stdfs::copy_options::skip_existing, ec) || !ec;
}

namespace {

constexpr std::string_view kRunDirectoryPrefix = "tarnedit-run-";
constexpr size_t kRandomLength = 6;  // what mkdtemp puts in place of XXXXXX
constexpr auto kYoungestAbandoned = std::chrono::seconds(5);

std::string temporaryBase() {
  std::string base = environmentValue("TMPDIR").value_or("/tmp");
  return base.empty() ? "/tmp" : base;
}

}  // namespace

RunDirectory makePrivateTemporaryDirectory() {
  std::string pattern = temporaryBase() + "/" + std::string(kRunDirectoryPrefix) + "XXXXXX";
  if (!mkdtemp(pattern.data())) return {};
  RunDirectory dir{pattern, fs::File::openRead(pattern)};
  dir.lock.tryLock();
  return dir;
}

void removeAbandonedTemporaryDirectories() {
  std::string base = temporaryBase();
  auto entries = fs::listDirectory(base);
  if (!entries) return;
  auto now = std::chrono::system_clock::now().time_since_epoch();
  for (const fs::DirectoryEntry& entry : *entries) {
    if (!entry.name.starts_with(kRunDirectoryPrefix) ||
        entry.name.size() != kRunDirectoryPrefix.size() + kRandomLength)
      continue;
    std::string path = base + "/" + entry.name;
    auto st = fs::linkStatus(path);
    if (!st || !st->isDirectory || st->owner != geteuid()) continue;
    if (now - std::chrono::nanoseconds(st->modifiedNs) < kYoungestAbandoned) continue;
    fs::File lock = fs::File::openRead(path);
    if (lock.isOpen() && lock.tryLock()) removeTree(path);
  }
}

void removeTree(const std::string& dir) {
  std::error_code ec;
  if (!dir.empty()) stdfs::remove_all(dir, ec);
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
  auto p = stdfs::current_path(ec);
  return ec ? std::string() : p.string();
}

}  // namespace tarn
