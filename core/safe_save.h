// Writing a file so that a failure never leaves it half written: the name
// always holds either the old or the new contents.
//
// The new contents go to a temporary file in the same directory, which is
// flushed to disk and then renamed over the old name with the old file's
// permissions (setuid and setgid bits too), owner and group. A symbolic link
// is written through to its target. A file with more than one hard link, or
// whose owner or group the temporary file cannot take, or in a directory
// where no temporary file can be made, is written in place, but only after
// a complete copy of the old contents is on the disk; the copy is put back
// when the write fails. A save that is killed leaves its temporary file or
// copy behind (core/leftovers.h finds them).
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tarn {

namespace fs {
class File;
}

// Produces the new contents into an open file; false when a write failed.
using ContentWriter = std::function<bool(fs::File&)>;

namespace writeresult {
constexpr int kDone = 1;
constexpr int kCannotCreate = -1;  // read-only, not a regular file, or cannot be created
constexpr int kFailed = -2;        // a write failed; the old contents are in place
}  // namespace writeresult

struct ReplaceOptions {
  // When set, the old file becomes this backup once the new contents are safely written.
  std::string backupName;
  // Where the copy of the old contents goes when the file's own directory takes none.
  std::string spareDirectory;
  // The permissions of a file that did not exist yet; by default 0666 less the umask.
  std::optional<uint32_t> modeOfNewFile;
};

struct ReplaceOutcome {
  int result = writeresult::kFailed;
  // Set when the old contents could not be put back: the copy that holds them.
  std::string keptCopy;
};

ReplaceOutcome replaceFile(const std::string& path, const ContentWriter& write,
                           const ReplaceOptions& options);

// Appends in place; on failure the file is cut back to its old length.
int appendToFile(const std::string& path, const ContentWriter& write);

// The file a name finally leads to, following symbolic links.
std::string resolveLinks(std::string path);

}  // namespace tarn
