#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace tarn::fs {

namespace {

FileStatus fromStat(const struct stat& st) {
  FileStatus s;
  s.isDirectory = S_ISDIR(st.st_mode);
  s.isRegular = S_ISREG(st.st_mode);
  s.isSymlink = S_ISLNK(st.st_mode);
  s.size = static_cast<uint64_t>(st.st_size);
  s.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
  s.mode = st.st_mode & 07777;
  s.owner = st.st_uid;
  s.group = st.st_gid;
  s.links = st.st_nlink;
  s.device = st.st_dev;
  s.inode = st.st_ino;
  return s;
}

// Retries a call interrupted by a signal.
template <typename F>
auto retry(F call) {
  decltype(call()) result;
  do {
    result = call();
  } while (result < 0 && errno == EINTR);
  return result;
}

}  // namespace

std::optional<FileStatus> status(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return fromStat(st);
}

std::optional<FileStatus> linkStatus(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
  return fromStat(st);
}

bool canRead(const std::string& path) { return ::access(path.c_str(), R_OK) == 0; }
bool canWrite(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

std::optional<std::string> linkTarget(const std::string& path) {
  std::string target(256, '\0');
  for (;;) {
    ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return std::nullopt;
    if (static_cast<size_t>(n) < target.size()) {
      target.resize(static_cast<size_t>(n));
      return target;
    }
    target.resize(target.size() * 2);
  }
}

std::optional<std::vector<DirectoryEntry>> listDirectory(const std::string& dir) {
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return std::nullopt;
  std::vector<DirectoryEntry> entries;
  while (dirent* e = ::readdir(d)) {
    std::string_view name = e->d_name;
    if (name == "." || name == "..") continue;
    DirectoryEntry entry{std::string(name), e->d_type == DT_DIR};
    if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
      struct stat st;
      std::string full = dir + (dir.ends_with('/') ? "" : "/") + entry.name;
      entry.isDirectory = ::stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    entries.push_back(std::move(entry));
  }
  ::closedir(d);
  std::sort(entries.begin(), entries.end(),
            [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
  return entries;
}

std::string currentDirectory() {
  std::string dir(256, '\0');
  while (!::getcwd(dir.data(), dir.size())) {
    if (errno != ERANGE) return "/";
    dir.resize(dir.size() * 2);
  }
  dir.resize(dir.find('\0'));
  return dir;
}

uint32_t newFileMode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

File::~File() { close(); }

File File::openRead(const std::string& path) {
  return File(retry([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); }));
}

File File::openTruncate(const std::string& path) {
  return File(retry([&] { return ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC); }));
}

File File::openAppend(const std::string& path) {
  return File(
      retry([&] { return ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666); }));
}

File File::createUnique(const std::string& dir, std::string_view prefix, std::string& path) {
  std::string pattern = dir;
  if (!pattern.empty() && !pattern.ends_with('/')) pattern += '/';
  pattern += prefix;
  pattern += "XXXXXX";
  int fd = retry([&] { return ::mkostemp(pattern.data(), O_CLOEXEC); });
  if (fd >= 0) path = pattern;
  return File(fd);
}

ssize_t File::read(char* buffer, size_t size) {
  return retry([&] { return ::read(fd_, buffer, size); });
}

bool File::writeAll(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = retry([&] { return ::write(fd_, bytes.data(), bytes.size()); });
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

std::optional<FileStatus> File::status() const {
  struct stat st;
  if (::fstat(fd_, &st) != 0) return std::nullopt;
  return fromStat(st);
}

bool File::truncate(uint64_t size) {
  return retry([&] { return ::ftruncate(fd_, static_cast<off_t>(size)); }) == 0;
}

bool File::rewind() { return ::lseek(fd_, 0, SEEK_SET) == 0; }
bool File::setMode(uint32_t mode) { return ::fchmod(fd_, mode) == 0; }
bool File::setOwner(uint32_t owner, uint32_t group) { return ::fchown(fd_, owner, group) == 0; }
bool File::tryLock() { return retry([&] { return ::flock(fd_, LOCK_EX | LOCK_NB); }) == 0; }
bool File::sync() { return retry([&] { return ::fsync(fd_); }) == 0; }

bool File::close() {
  if (fd_ < 0) return true;
  int result = ::close(fd_);
  fd_ = -1;
  return result == 0 || errno == EINTR;
}

bool rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool remove(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool hardLink(const std::string& existing, const std::string& newName) {
  return ::link(existing.c_str(), newName.c_str()) == 0;
}

bool syncDirectory(const std::string& dir) {
  int fd = retry([&] { return ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
  if (fd < 0) return false;
  bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

void failWritesBeyondSizeLimit() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace tarn::fs
