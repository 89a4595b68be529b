// The file system as the editor uses it: status, directory listings,
// symbolic links, temporary files, renames, permissions, locks and flushing
// to disk.
// Failures are reported by the result; errno tells why.
#pragma once
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::fs {

struct FileStatus {
  bool isDirectory = false;
  bool isRegular = false;
  bool isSymlink = false;  // only from linkStatus
  uint64_t size = 0;
  int64_t modifiedNs = 0;  // last-write time in nanoseconds since the epoch
  uint32_t mode = 0;       // permission bits (07777)
  uint32_t owner = 0;
  uint32_t group = 0;
  uint64_t links = 0;
  // The device and the file's number on it: the same file, whatever the name.
  uint64_t device = 0;
  uint64_t inode = 0;
  bool sameFileAs(const FileStatus& other) const { return device == other.device && inode == other.inode; }
};

// Status of the file a name leads to (links followed) or of the name itself.
std::optional<FileStatus> status(const std::string& path);
std::optional<FileStatus> linkStatus(const std::string& path);
bool canRead(const std::string& path);
bool canWrite(const std::string& path);

// Where a symbolic link points, as stored in the link.
std::optional<std::string> linkTarget(const std::string& path);

struct DirectoryEntry {
  std::string name;
  bool isDirectory = false;  // links followed
};
// The entries of a directory without "." and "..", sorted by name.
std::optional<std::vector<DirectoryEntry>> listDirectory(const std::string& dir);

std::string currentDirectory();
// Permission bits a new file gets (0666 less the umask).
uint32_t newFileMode();

// An open file descriptor, closed when dropped.
class File {
 public:
  File() = default;
  explicit File(int fd) : fd_(fd) {}
  File(File&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  static File openRead(const std::string& path);
  // Opens an existing file for writing, emptied.
  static File openTruncate(const std::string& path);
  // Opens or creates a file for appending.
  static File openAppend(const std::string& path);
  // Creates a new file with an unused name: the directory, then prefix and
  // six random characters. The chosen name is stored in path.
  static File createUnique(const std::string& dir, std::string_view prefix, std::string& path);

  bool isOpen() const { return fd_ >= 0; }
  // Bytes read (0 at the end), -1 on error.
  ssize_t read(char* buffer, size_t size);
  bool writeAll(std::string_view bytes);
  std::optional<FileStatus> status() const;
  bool truncate(uint64_t size);
  bool rewind();
  bool setMode(uint32_t mode);
  bool setOwner(uint32_t owner, uint32_t group);
  // Takes the file's exclusive lock (flock) unless another open file holds
  // it; the lock goes with the last descriptor of this open file.
  bool tryLock();
  // Flushes the contents to the disk.
  bool sync();
  // Closes; false when the system reports a delayed write error.
  bool close();

 private:
  int fd_ = -1;
};

bool rename(const std::string& from, const std::string& to);
bool remove(const std::string& path);
bool hardLink(const std::string& existing, const std::string& newName);
// Makes the entries of a directory (renames, new files) durable.
bool syncDirectory(const std::string& dir);

// A write beyond the file-size limit (ulimit -f) fails like any other write
// instead of ending the program (SIGXFSZ is ignored).
void failWritesBeyondSizeLimit();

}  // namespace tarn::fs
